#pragma once

#include "pages/commun/Canvas.h"
#include "pages/commun/ContextePage.h"
#include "pages/commun/EnteteEtPied.h"

#include <functional>
#include <string_view>

namespace tarvo {

// What the paper header of a page shows besides the date: its title for the mirror's shape
// and whether the "de " line with the mirror's name is bold.
struct EntetePapier {
    TitreParForme Titre;
    bool NomGras = false;
};

// The print job of a page drawer, run when `ModeImpression` is set: the print dialog (a
// cancel clears `ModeImpression` and ends there), the printer metrics into the layout
// state, the pen (black, solid, `largeurPlume` printer pixels; 0 means `UnitePoint`), the
// paper header, then `corps`, given the title height, which draws the body and the footer;
// then the end of the document and `ModeImpression` cleared.
void TravailImpression(ContextePage& page, const EntetePapier& entete, int largeurPlume,
                       const std::function<void(Canvas&, int hauteurTitre)>& corps);

inline void TravailImpression(ContextePage& page, const TitreParForme& titrePapier,
                              int largeurPlume,
                              const std::function<void(Canvas&, int hauteurTitre)>& corps) {
    TravailImpression(page, EntetePapier{titrePapier}, largeurPlume, corps);
}

} // namespace tarvo
