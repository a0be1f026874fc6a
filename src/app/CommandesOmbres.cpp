#include "app/Commandes.h"
#include "app/Programme.h"
#include "pages/masque/PageMasque.h"

#include <cmath>

namespace tarvo {

void OmbresExecute(Programme& p) {
    if (p.surface.ControleVisible(Controle::Saisie)) ValideEditeur(p);
    p.Etat.PageCourante = PageOmbres;
    AffichePage(p);
}

void ReglageOmbres(Programme& p, Controle reglage, double valeur) {
    if (!std::isfinite(valeur)) return;
    auto& r = p.Pages.Ombres;
    switch (reglage) {
    case Controle::ReglageZone:
        r.Zone = static_cast<int>(std::lround(valeur));
        break;
    case Controle::ReglageLignes:
        r.LignesParPouce = valeur;
        break;
    case Controle::ReglageDecalage:
        r.Decalage = valeur;
        break;
    default:
        return;
    }
    if (p.Etat.PageCourante == PageOmbres) AffichePage(p);
}

void MasqueCouderExecute(Programme& p) {
    if (p.surface.ControleVisible(Controle::Saisie)) ValideEditeur(p);
    ContextePage contexte = p.Contexte();
    if (const auto refus = ImprimeMasqueDuDocument(contexte))
        p.services.dialogues.Message(*refus);
}

} // namespace tarvo
