#pragma once

#include "entry/ContexteSaisie.h"

namespace tarvo {

// A shape button clicked (or turned on by the page): the conic constant of a paraboloid
// (−1) or of a sphere (0). The document is modified unless K already had that shape; an
// editor on the conic constant shows the new value; the page is redrawn. The series' date
// does not change. Nothing is set when the button is disabled.
void ChoisitForme(ContexteSaisie& c, bool parabolique, bool boutonActif);

} // namespace tarvo
