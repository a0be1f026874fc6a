#include "app/Commandes.h"
#include "app/Principale.h"
#include "app/Programme.h"
#include "entry/Forme.h"

namespace tarvo {

void FicheSaisieEnter(Programme& p, bool texteDansPressePapiers) {
    p.Actions.Active(Action::Coller1, texteDansPressePapiers);
    p.Actions.Active(Action::Copier1, true);
    p.Actions.Active(Action::Couper1, true);
}

void FicheSaisieExit(Programme& p) {
    for (Action a : {Action::Coller1, Action::Copier1, Action::Couper1})
        p.Actions.Active(a, false);
    ValideEditeur(p);
}

void FicheFormeClick(Programme& p, bool parabolique, bool boutonActif) {
    ContexteSaisie contexte = p.Saisie();
    ChoisitForme(contexte, parabolique, boutonActif);
}

// The clipboard works on the editor while it is shown, on the comment memo otherwise.
void PressePapiers(Programme& p, OperationPressePapiers operation) {
    p.principale.PressePapiers(p.surface.ControleVisible(Controle::Saisie), operation);
}

} // namespace tarvo
