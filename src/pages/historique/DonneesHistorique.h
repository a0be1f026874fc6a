#pragma once

#include "optics/ResumeSerie.h"
#include "pages/commun/EnteteEtPied.h"
#include "platform/Systeme.h"
#include "platform/Traduction.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// Texts and figures that the screen and the paper of the history page share.

inline constexpr TitreParForme TitreHistorique{
    TARVO_NOOP("Pages", "Historique du miroir"),
    TARVO_NOOP("Pages", "Historique du miroir parabolique"),
    TARVO_NOOP("Pages", "Historique du miroir sphérique")};
inline constexpr std::string_view TitreGrapheEcarts =
    TARVO_NOOP("Pages", "Ecart maximal ε de chaque série");
inline constexpr std::string_view TitreGrapheZones =
    TARVO_NOOP("Pages", "Ecart longitudinal Λc de chaque zone, les cinq dernières séries");
// What stands in place of a figure that a series cannot give.
inline constexpr std::string_view SansValeur = "—";
inline constexpr int ColonnesHistorique = 10;
// Lines of the table on one page, screen and paper alike (one sheet).
inline constexpr int LignesParPageHistorique = 30;

// The column headers: N°, date, diameter, readings, ε, λ/x, RMS, Strehl, K, comment.
std::array<std::string, ColonnesHistorique> EntetesHistorique(Systeme& systeme);

// The texts of a line, in the system's language with its separator; `date` writes a day
// count as the system's short date. A series that cannot be reduced shows "—" for every
// figure.
std::array<std::string, ColonnesHistorique>
TextesLigneHistorique(const ResumeSerie& s, Systeme& systeme,
                      const std::function<std::string(double)>& date);

// The series of the table's page: from `debut` (1-based; 0 for the last page) at most
// `LignesParPageHistorique`, held inside 1..nombre. First and last shown.
struct PageDuTableau {
    int Premiere = 1;
    int Derniere = 0;
};
PageDuTableau PageDuTableauHistorique(int nombre, int debut);
// The first series of a page that shows `serie` (1..nombre), staying on the page of `debut`
// when it already does.
int DebutPourVoir(int nombre, int serie, int debut);

// The line above the table: how many series, from which date to which, and which are
// shown when the table has several pages.
std::string LigneResumeHistorique(Systeme& systeme, const std::vector<ResumeSerie>& series,
                                  PageDuTableau page,
                                  const std::function<std::string(double)>& date);

// The status bar text of the page.
inline constexpr std::string_view StatutHistorique = TARVO_NOOP(
    "Pages",
    "Cliquer sur une ligne, ou la choisir par les flèches et Entrée, pour ouvrir son bulletin");
inline constexpr std::string_view StatutHistoriquePages = TARVO_NOOP(
    "Pages",
    "Cliquer sur une ligne, ou la choisir par les flèches et Entrée, pour ouvrir son bulletin ; "
    "F4, F5 : séries précédentes, suivantes");

} // namespace tarvo
