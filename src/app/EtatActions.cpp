#include "app/EtatActions.h"

namespace tarvo {

EtatActions::EtatActions() {
    for (std::size_t i = 0; i < NombreActions; ++i) {
        const auto a = static_cast<Action>(i);
        Actives[i] = true;
        Indications[i] = std::string(Description(a).Indication);
    }
    // Cut and copy start disabled; they follow the focus of the editor and the memo.
    Actives[Indice(Action::Couper1)] = false;
    Actives[Indice(Action::Copier1)] = false;
}

void EtatActions::Active(Action a, bool actif) {
    if (Actives[Indice(a)] == actif) return;
    Actives[Indice(a)] = actif;
    if (Observateur) Observateur->ActionChangee(a);
}

void EtatActions::FixeIndication(Action a, const std::string& indication) {
    if (Indications[Indice(a)] == indication) return;
    Indications[Indice(a)] = indication;
    if (Observateur) Observateur->ActionChangee(a);
}

void EtatActions::Enfonce(Bouton b, bool enfonce) {
    const auto i = static_cast<std::size_t>(b);
    if (Enfonces[i] == enfonce) return;
    Enfonces[i] = enfonce;
    if (Observateur) Observateur->BoutonChange(b);
}

bool CommandeDisponible(Action a) {
    switch (a) {
    case Action::FileNew1:
    case Action::FileOpen1:
    case Action::FileSave1:
    case Action::FileSaveAs1:
    case Action::Imprimer1:
    case Action::FileExit1:
    case Action::Aide:
    case Action::Apropos:
    case Action::EditeCaracteristiques1:
    case Action::Feuille_Travail:
    case Action::Mesures:
    case Action::NouvellesMesures:
    case Action::EditionDesMesures:
    case Action::BulletinDeControle:
    case Action::Analyse:
    case Action::Historique:
    case Action::MoyenneSeries:
    case Action::EnregistreMoyenne:
    case Action::Ombres:
    case Action::MasqueCouder:
    case Action::PageMoins:
    case Action::PagePlus:
    case Action::Annuler:
    case Action::Couper1:
    case Action::Copier1:
    case Action::Coller1:
        return true;
    }
    return false;
}

} // namespace tarvo
