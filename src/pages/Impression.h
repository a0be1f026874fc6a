#pragma once

#include "pages/Canvas.h"
#include "pages/ContextePage.h"

#include <functional>
#include <string_view>

namespace tarvo {

// The print job of a page drawer, run when `ModeImpression` is set: the print dialog (a
// cancel clears `ModeImpression` and ends there), the printer metrics into the layout
// state, the pen (black, solid, `largeurPlume` printer pixels; 0 means `UnitePoint`), the
// paper header with `titrePapier`, then `corps`, given the title height, which draws the
// body and the footer; then the end of the document and `ModeImpression` cleared.
void TravailImpression(ContextePage& page, std::string_view titrePapier, int largeurPlume,
                       const std::function<void(Canvas&, int hauteurTitre)>& corps);

} // namespace tarvo
