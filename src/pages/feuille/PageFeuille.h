#pragma once

#include "pages/commun/ContextePage.h"

namespace tarvo {

// The drawer of the work sheet (`Feuille`): the mirror's figures, the transposed zone table
// and the tolerance graph on `DessinF`, and the printed page when `ModeImpression` is set.
// Closes the program's help windows first.
void AfficheFeuille(ContextePage& page);

} // namespace tarvo
