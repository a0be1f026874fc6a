#include "entry/Clavier.h"

namespace tarvo {

void FicheSaisieKeyDown(ContexteSaisie&, Touche) {}

bool FicheSaisieKeyPress(ContexteSaisie&, char32_t) {
    return false;
}

} // namespace tarvo
