#pragma once

#include "pages/commun/ContextePage.h"

namespace tarvo {

// The drawer of the test report (`Bulletin`): the reduction of the series in memory, the
// screen page with its clickable areas and its two graphs, and the printed page when
// `ModeImpression` is set. Keeps `DiametresRetenus` in the drawers' state and leaves
// `DiametresValides` in the document for the click handler.
void AfficheBulletin(ContextePage& page);

} // namespace tarvo
