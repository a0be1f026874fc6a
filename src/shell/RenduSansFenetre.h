#pragma once

#include "pages/commun/EtatPages.h"

#include <string>
#include <string_view>

namespace tarvo {

struct Document;
struct MoyenneEnCours;
class Systeme;

enum class FormatRendu { Png, Pdf };

struct ResultatRendu {
    bool Reussi = false;
    // Why it failed, for the user, in the language of the system given.
    std::string Message;
};

// Draws a page of an opened document without a window. PAGE is a page identifier or
// its plain lower-case form. Png: the screen rendering as a user sees it unscrolled (the
// page frame with the bitmap and the pictures and buttons laid on it). Pdf: the paper
// layout through the print job, on a PDF printer, without a dialog. Needs no display:
// when no QGuiApplication exists, one is made on the offscreen platform meanwhile. With a
// mean, the report and the analysis are those of the mean and the history has its line.
// The simulated shadows take their settings from `ombres`; the Couder mask is paper only,
// its sheets at their exact size.
ResultatRendu RendPageSansFenetre(Document& doc, Systeme& systeme, std::string_view page,
                                  FormatRendu format, const std::string& sortie,
                                  MoyenneEnCours* moyenne = nullptr,
                                  const EtatPages::ReglagesOmbres& ombres = {});

} // namespace tarvo
