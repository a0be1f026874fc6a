#include "entry/Placement.h"

namespace tarvo {

void PlaceEditeur(ContexteSaisie& c, std::uint32_t champ, int) {
    c.saisie.ChampCourant = champ;
    c.saisie.TexteRejete = false;
}

std::string TexteDuChamp(const ContexteSaisie&, std::uint32_t) {
    return {};
}

} // namespace tarvo
