#pragma once

#include "platform/Dialogues.h"

namespace tarvo {

// Dialogs of a read that only looks at a file (a check, a history): nothing is shown, every
// question is cancelled, no file is chosen.
class DialoguesMuets final : public Dialogues {
  public:
    void Avertissement(const std::string&, const std::string&) override {}
    void Message(const std::string&) override {}
    void Erreur(const std::string&) override {}
    Reponse Confirmation(const std::string&, bool, Reponse) override { return Reponse::Annuler; }
    void Bip() override {}
    std::optional<std::string> ChoisitFichierAOuvrir(const DialogueFichier&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChoisitFichierAEnregistrer(const DialogueFichier&,
                                                          const std::string&) override {
        return std::nullopt;
    }
};

} // namespace tarvo
