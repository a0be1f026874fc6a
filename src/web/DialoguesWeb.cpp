#include "web/DialoguesWeb.h"

#include "platform/Systeme.h"
#include "web/JsonWeb.h"
#include "web/Pont.h"

#include <cstdlib>
#include <memory>

namespace tarvo {

namespace {

// A text the script allocated, taken over: nothing when it gave none.
std::optional<std::string> Repris(char* texte) {
    const std::unique_ptr<char, decltype(&std::free)> garde(texte, &std::free);
    if (!texte) return std::nullopt;
    return std::string(texte);
}

} // namespace

void DialoguesWeb::Avertissement(const std::string& titre, const std::string& texte) {
    tw_message(0, titre.c_str(), texte.c_str());
}

void DialoguesWeb::Message(const std::string& texte) {
    tw_message(1, "Tarvo", texte.c_str());
}

void DialoguesWeb::Erreur(const std::string& texte) {
    tw_message(2, "Tarvo", texte.c_str());
}

Reponse DialoguesWeb::Confirmation(const std::string& texte, bool avecAnnuler, Reponse parDefaut) {
    const int r = tw_confirmation(texte.c_str(), avecAnnuler ? 1 : 0, static_cast<int>(parDefaut));
    if (r == static_cast<int>(Reponse::Oui)) return Reponse::Oui;
    if (r == static_cast<int>(Reponse::Non)) return Reponse::Non;
    return Reponse::Annuler;
}

void DialoguesWeb::Bip() {
    tw_bip();
}

std::optional<std::string> DialoguesWeb::ChoisitFichierAOuvrir(const DialogueFichier& dialogue) {
    if (propose_) {
        std::optional<std::string> nom = std::move(propose_);
        propose_.reset();
        return nom;
    }
    std::optional<std::string> nom = Repris(tw_choisit_fichier_a_ouvrir(dialogue.Titre.c_str()));
    if (nom && nom->empty()) return std::nullopt;
    return nom;
}

std::optional<std::string> DialoguesWeb::ChoisitFichierAEnregistrer(const DialogueFichier& dialogue,
                                                                    const std::string& nomPropose) {
    std::optional<std::string> nom = Repris(
        tw_choisit_fichier_a_enregistrer(dialogue.Titre.c_str(), nomPropose.c_str()));
    if (nom && nom->empty()) return std::nullopt;
    return nom;
}

std::vector<ElementListe> DialoguesWeb::EtatListe(const std::vector<bool>& coches) const {
    if (!liste_ || !liste_->Etat) return {};
    return liste_->Etat(coches);
}

std::optional<std::vector<int>> DialoguesWeb::ChoisitDansListe(const DialogueListe& dialogue) {
    if (!dialogue.Etat || dialogue.Nombre <= 0) return std::nullopt;
    const std::string description =
        "{\"titre\":" + ChaineJson(dialogue.Titre) + ",\"texte\":" + ChaineJson(dialogue.Texte) +
        ",\"nombre\":" + std::to_string(dialogue.Nombre) +
        ",\"minimum\":" + std::to_string(dialogue.Minimum) +
        ",\"annuler\":" + ChaineJson(systeme_.Traduit("Fenetre", "Annuler")) + "}";
    liste_ = &dialogue;
    const std::optional<std::string> reponse = Repris(tw_choisit_dans_liste(description.c_str()));
    liste_ = nullptr;
    if (!reponse) return std::nullopt;
    // The boxes checked, as their numbers separated by commas.
    std::vector<int> choisis;
    std::size_t debut = 0;
    while (debut < reponse->size()) {
        const std::size_t fin = std::min(reponse->find(',', debut), reponse->size());
        choisis.push_back(std::atoi(reponse->substr(debut, fin - debut).c_str()));
        debut = fin + 1;
    }
    if (static_cast<int>(choisis.size()) < dialogue.Minimum) return std::nullopt;
    return choisis;
}

} // namespace tarvo
