#pragma once

#include "pages/commun/ContextePage.h"
#include "pages/commun/EnteteEtPied.h"
#include "platform/Traduction.h"

namespace tarvo {

// Place of the `Logo` picture under the page: its left, and its top below the zone table.
inline constexpr int GaucheLogo = 72;
inline constexpr int EcartLogo = 20;
// Distance between the two shape buttons.
inline constexpr int EcartFormes = 105;
// The fixed frame around the shape buttons, recorded as `Cadres`[6].
inline constexpr Cadre CadreFormes{66, 152, 252, 173};

// The page's title; the screen shows the plain one, the paper the one of the shape.
inline constexpr TitreParForme TitreCaracteristiques{
    TARVO_NOOP("Pages", "Caractéristiques du miroir"),
    TARVO_NOOP("Pages", "Caractéristiques du miroir parabolique"),
    TARVO_NOOP("Pages", "Caractéristiques du miroir sphérique")};

// The drawer of the characteristics page (`Caractéristiques`): the screen page with its
// value boxes, and the printed page when `ModeImpression` is set.
void AfficheCaracteristiques(ContextePage& page);

} // namespace tarvo
