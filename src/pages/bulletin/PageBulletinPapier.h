#pragma once

#include "optics/Reduction.h"
#include "pages/commun/Canvas.h"
#include "pages/commun/ContextePage.h"

namespace tarvo {

// The body of the printed test report, under the paper header whose title is
// `hauteurTitre` high: the series number on the title line, the mirror data, the zone
// table always fully expanded, the two graphs, the notes and the footer. It prints the
// reduction of the screen drawing it follows.
void DessineBulletinPapier(ContextePage& page, const ResultatReduction& res, Canvas& c,
                           int hauteurTitre);

} // namespace tarvo
