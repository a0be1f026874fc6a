#pragma once

#include "pages/commun/ContextePage.h"
#include "pages/commun/EnteteEtPied.h"
#include "platform/Traduction.h"

namespace tarvo {

// The drawer of the simulated shadows (`Ombres`): what the knife edge shows of the series in
// memory with the knife at a zone's centre of curvature, and what a Ronchi grating shows
// inside and outside the centre of curvature, each beside the same for the perfect mirror;
// the three setting boxes; the printed page when `ModeImpression` is set. It reduces a copy
// of the series and leaves the document as it was.
void AfficheOmbres(ContextePage& page);

inline constexpr TitreParForme TitreOmbres{
    TARVO_NOOP("Pages", "Ombres simulées du miroir"),
    TARVO_NOOP("Pages", "Ombres simulées du miroir parabolique"),
    TARVO_NOOP("Pages", "Ombres simulées du miroir sphérique")};

// Side of the pictures on screen, pixels.
inline constexpr int CoteImageOmbres = 250;

} // namespace tarvo
