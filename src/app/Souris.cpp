#include "entry/Souris.h"
#include "app/Commandes.h"
#include "app/Programme.h"

namespace tarvo {

void FicheFenetreMouseUp(Programme& p, int x, int y) {
    ContexteSaisie contexte = p.Saisie();
    FicheFenetreMouseUp(contexte, x, y);
}

} // namespace tarvo
