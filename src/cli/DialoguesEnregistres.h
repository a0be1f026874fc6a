#pragma once

#include "platform/Dialogues.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tarvo {

// A message as a box would have shown it; the title is empty for a plain message box.
struct MessageAffiche {
    std::string Titre;
    std::string Texte;
};

// Dialogs without a screen: messages are recorded in order, questions and file dialogs
// take the answers queued beforehand (Cancel when none is left).
class DialoguesEnregistres : public Dialogues {
public:
    void Avertissement(const std::string& titre, const std::string& texte) override;
    void Message(const std::string& texte) override;
    void Erreur(const std::string& texte) override;
    Reponse Confirmation(const std::string& texte, bool avecAnnuler, Reponse parDefaut) override;
    void Bip() override { ++Bips; }
    std::optional<std::string> ChoisitFichierAOuvrir(const DialogueFichier& dialogue) override;
    std::optional<std::string> ChoisitFichierAEnregistrer(const DialogueFichier& dialogue,
                                                          const std::string& nomPropose) override;
    // Checks the queued boxes one after the other as a user would, each only when the list
    // lets it be checked then; a box it may not check, or too few, cancels the dialog.
    std::optional<std::vector<int>> ChoisitDansListe(const DialogueListe& dialogue) override;

    std::vector<MessageAffiche> Messages;
    std::vector<std::string> Questions;
    std::vector<std::string> NomsProposes;
    int Bips = 0;
    std::deque<Reponse> Reponses;
    std::deque<std::optional<std::string>> FichiersChoisis;
    std::deque<std::optional<std::vector<int>>> ListesChoisies;
    // The lists shown: for each, the states of its boxes before anything was checked.
    std::vector<std::vector<ElementListe>> Listes;
};

} // namespace tarvo
