#include "entry/Souris.h"

namespace tarvo {

void FicheFenetreMouseUp(ContexteSaisie&, int, int) {}
void BasculeValidation(Document&, const EtatSaisie&) {}
void ValideLignesCompletes(Document&, int) {}

} // namespace tarvo
