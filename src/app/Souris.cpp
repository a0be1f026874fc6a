#include "entry/Souris.h"
#include "app/Commandes.h"
#include "app/Programme.h"

namespace tarvo {

void FicheFenetreMouseUp(Programme& p, int x, int y) {
    // The history's lines are commands of the program, not fields of the data entry.
    if (p.Etat.PageCourante == PageHistorique) {
        CliqueHistorique(p, x, y);
        return;
    }
    ContexteSaisie contexte = p.Saisie();
    FicheFenetreMouseUp(contexte, x, y);
}

} // namespace tarvo
