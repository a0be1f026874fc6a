#include "app/Commandes.h"
#include "app/MetAJourActions.h"
#include "app/Programme.h"
#include "entry/Placement.h"
#include "entry/Valide.h"

namespace tarvo {

void PlaceEditeurNom(Programme& p) {
    ContexteSaisie contexte = p.Saisie();
    PlaceEditeur(contexte, Champ::Intitule);
}

void ValideEditeur(Programme& p) {
    ContexteSaisie contexte = p.Saisie();
    Valide(contexte);
}

void ProgrammePourSaisie::AffichePage() {
    tarvo::AffichePage(Programme_);
}

void ProgrammePourSaisie::MetAJourActions() {
    tarvo::MetAJourActions(Programme_.Doc, Programme_.Actions);
}

} // namespace tarvo
