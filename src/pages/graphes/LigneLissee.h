#pragma once

#include "pages/commun/Canvas.h"

#include <array>

namespace tarvo {

// Ten colours from white (0) towards `couleur` (9 is close to it), for the shaded pixels of
// an anti-aliased line.
std::array<Couleur, 10> RampeTeintes(Couleur couleur);

// An anti-aliased line from (x1, y1) to (x2, y2), both end points included and set to
// `couleur`: every pixel between them is shared by the two pixels nearest the true line,
// in the shades of `RampeTeintes`. Slope and positions are taken in single precision so
// that the pixels are the same everywhere. The pen is left solid, in the last shade used.
void LigneLissee(Canvas& c, int x1, int y1, int x2, int y2, Couleur couleur);

} // namespace tarvo
