#include "pages/PageFeuille.h"

namespace tarvo {

void AfficheFeuille(ContextePage& page) {
    page.ModeImpression = false;
}

} // namespace tarvo
