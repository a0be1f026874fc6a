#include "pages/PageBulletin.h"

namespace tarvo {

void AfficheBulletin(ContextePage& page) {
    page.ModeImpression = false;
}

} // namespace tarvo
