#pragma once

#include "platform/Dialogues.h"

#include <deque>
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

    std::vector<MessageAffiche> Messages;
    std::vector<std::string> Questions;
    std::vector<std::string> NomsProposes;
    int Bips = 0;
    std::deque<Reponse> Reponses;
    std::deque<std::optional<std::string>> FichiersChoisis;
};

} // namespace tarvo
