#pragma once

#include "pages/commun/ContextePage.h"

namespace tarvo {

// The drawer of the analysis page (`Analyse`): the figures of the series in memory with their
// 1σ, the profile over the whole diameter with its band, the model stated, the series
// selector, and the printed page when `ModeImpression` is set. It reduces a copy of the
// series with the report's choice of diameters and leaves the document as it was.
void AfficheAnalyse(ContextePage& page);

} // namespace tarvo
