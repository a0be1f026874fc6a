#pragma once

#include "optics/Feuille.h"
#include "pages/commun/Canvas.h"
#include "pages/commun/ContextePage.h"

namespace tarvo {

// The body of the printed work sheet under the paper header whose title is `hauteurTitre`
// high: the mirror's figures from the series' diameter and focal length, the zone table,
// the tolerance graph filling the rest of the page, and the footer. It prints the sheet
// computed for the screen drawing it follows.
void DessineFeuillePapier(ContextePage& page, const ResultatFeuille& f, Canvas& c,
                          int hauteurTitre);

} // namespace tarvo
