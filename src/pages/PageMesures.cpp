#include "pages/PageMesures.h"

namespace tarvo {

void AfficheMesures(ContextePage& page, ModeMesures) {
    page.ModeImpression = false;
}

} // namespace tarvo
