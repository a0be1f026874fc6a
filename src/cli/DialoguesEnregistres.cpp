#include "cli/DialoguesEnregistres.h"

#include <algorithm>

namespace tarvo {

void DialoguesEnregistres::Avertissement(const std::string& titre, const std::string& texte) {
    Messages.push_back({titre, texte});
}

void DialoguesEnregistres::Message(const std::string& texte) { Messages.push_back({"", texte}); }

void DialoguesEnregistres::Erreur(const std::string& texte) { Messages.push_back({"", texte}); }

Reponse DialoguesEnregistres::Confirmation(const std::string& texte, bool, Reponse) {
    Questions.push_back(texte);
    if (Reponses.empty()) return Reponse::Annuler;
    const Reponse r = Reponses.front();
    Reponses.pop_front();
    return r;
}

std::optional<std::string> DialoguesEnregistres::ChoisitFichierAOuvrir(const DialogueFichier&) {
    if (FichiersChoisis.empty()) return std::nullopt;
    auto nom = FichiersChoisis.front();
    FichiersChoisis.pop_front();
    return nom;
}

std::optional<std::string>
DialoguesEnregistres::ChoisitFichierAEnregistrer(const DialogueFichier&,
                                                 const std::string& nomPropose) {
    NomsProposes.push_back(nomPropose);
    return ChoisitFichierAOuvrir({});
}

std::optional<std::vector<int>> DialoguesEnregistres::ChoisitDansListe(const DialogueListe& d) {
    std::vector<bool> coches(static_cast<std::size_t>(std::max(d.Nombre, 0)), false);
    Listes.push_back(d.Etat ? d.Etat(coches) : std::vector<ElementListe>{});
    if (ListesChoisies.empty()) return std::nullopt;
    const auto choix = ListesChoisies.front();
    ListesChoisies.pop_front();
    if (!choix) return std::nullopt;
    for (const int i : *choix) {
        if (i < 0 || i >= d.Nombre) return std::nullopt;
        const auto etat = d.Etat(coches);
        if (!etat[static_cast<std::size_t>(i)].Actif) return std::nullopt;
        coches[static_cast<std::size_t>(i)] = true;
    }
    if (static_cast<int>(choix->size()) < d.Minimum) return std::nullopt;
    std::vector<int> retenus;
    for (std::size_t i = 0; i < coches.size(); ++i)
        if (coches[i]) retenus.push_back(static_cast<int>(i));
    return retenus;
}

} // namespace tarvo
