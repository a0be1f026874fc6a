#pragma once

#include "pages/commun/Canvas.h"
#include "pages/commun/ContextePage.h"
#include "pages/commun/EnteteEtPied.h"
#include "platform/Traduction.h"

#include <string_view>

namespace tarvo {

// Title of the printed measurements page, in every mode, for each shape.
inline constexpr TitreParForme TitrePapierMesures{
    TARVO_NOOP("Pages", "Mesures sur le miroir"),
    TARVO_NOOP("Pages", "Mesures sur le miroir parabolique"),
    TARVO_NOOP("Pages", "Mesures sur le miroir sphérique")};

// The body of the printed measurements page under the paper header whose title is
// `hauteurTitre` high: the series number on the title line, the two grids laid out from
// the printer's text metrics, and the footer. It prints the counts and means of the screen
// drawing it follows.
void DessineMesuresPapier(ContextePage& page, Canvas& c, int hauteurTitre);

} // namespace tarvo
