#pragma once

#include "pages/commun/Cadres.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace tarvo {

class SourceHistorique;
class SourceIncertitudes;
struct MoyenneAffichee;

// What the page drawers keep from one drawing to the next, beside the document: program
// state, never saved.
struct EtatPages {
    // Diameters entering the last reduction of the report (1, 2 or 3 for both). Kept when
    // both diameters are measured and neither is retained.
    std::uint8_t DiametresRetenus = 3;
    // The bootstrap of the analysis page; none: the page computes it at once (headless
    // drawings and tests).
    SourceIncertitudes* Incertitudes = nullptr;

    // The series of the history page (none: the page shows only the series in memory), the
    // first one of its table (0: the last page), the line chosen with the keys (-1: the
    // mean, 0: none), and the box of each line drawn with its series, for the clicks.
    SourceHistorique* Historique = nullptr;
    int DebutHistorique = 0;
    int LigneHistorique = 0;
    std::vector<std::pair<int, Cadre>> LignesHistorique;

    // A mean of series shown in place of the series in memory (the report and the analysis
    // are then drawn on it, and the history adds its line); none most of the time.
    const MoyenneAffichee* Moyenne = nullptr;

    // The settings of the simulated shadows: the knife at the centre of curvature of this
    // zone (0: the one nearest 70 % of the radius), the grating's lines per inch, its offset
    // either side of the centre of curvature (mm).
    struct ReglagesOmbres {
        int Zone = 0;
        double LignesParPouce = 100;
        double Decalage = 2;
    };
    ReglagesOmbres Ombres;
};

} // namespace tarvo
