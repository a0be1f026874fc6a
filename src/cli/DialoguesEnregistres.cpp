#include "cli/DialoguesEnregistres.h"

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

} // namespace tarvo
