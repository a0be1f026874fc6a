#pragma once

#include "pages/commun/ContextePage.h"

namespace tarvo {

// The three pages the measurements drawer serves.
enum class ModeMesures {
    Consultation, // `Mesures`: any series, browsed with the arrows
    Nouvelles,    // `NouvellesMesures`: a new series being entered
    Edition,      // `EditionMesures`: the series in memory completed or corrected
};

// The drawer of the measurements page: the two grids of readings with the counts and means
// of the validated lines (written back into the document), the editor on the current cell
// in the two entry modes, and the printed page when `ModeImpression` is set.
void AfficheMesures(ContextePage& page, ModeMesures mode);

} // namespace tarvo
