#pragma once

#include "document/Document.h"
#include "pages/commun/Canvas.h"
#include "pages/commun/MiseEnPage.h"
#include "pages/commun/SourceHistorique.h"
#include "pages/commun/Surface.h"
#include "platform/Systeme.h"
#include "platform/Traduction.h"

#include <string>
#include <string_view>

namespace tarvo {

// The header of the pages that show one series and browse the others (the test report, the
// analysis): the series arrows, their status text, and the self-sizing title.

inline constexpr std::string_view StatutSeries =
    TARVO_NOOP("Pages", "Utiliser les flèches, F4 ou F5 pour changer de série de mesures");

// The page bitmap cleared in white over the wider of the page drawn before and this one
// (no strip of a narrower former page stays), pen and brush reset, then the program's
// actions brought up to date, as every page does before it draws.
void EffaceEcran(Surface& surface, Canvas& c, int largeurPage);

// The arrows browse the series only while the command `Mesures` is enabled; each end of the
// document shows its neutral arrow, and so do both while a mean of series is shown.
void VisibiliteFleches(Surface& surface, const Document& doc, bool moyenne = false);

// The status text when there are series to browse (or what a mean shown is), the arrows and
// their frames.
void SelecteurSeries(Surface& surface, Systeme& systeme, Canvas& c, const Document& doc,
                     const MoyenneAffichee* moyenne = nullptr);

// The label of a mean shown, "Moyenne des séries 2, 3", in the system's language.
std::string LibelleMoyenneAffichee(Systeme& systeme, const MoyenneAffichee& moyenne);

// The series box and the name line for a mean: "Moyenne" in the box, the mean's label after
// the mirror's name (alone when there is no name), at y.
void DessineMoyenneEcran(Canvas& c, Systeme& systeme, int y, const Document& doc,
                         const MoyenneAffichee& moyenne);

// The status text of a mean shown.
std::string StatutMoyenne(Systeme& systeme, const MoyenneAffichee& moyenne);

// The title redrawn at the height that makes it about 325 px wide, centred between the left
// edge and the date (bold with normal fonts). Returns the y of the line under it.
int TitreAjuste(Canvas& c, const MiseEnPage& m, std::string_view titre);

} // namespace tarvo
