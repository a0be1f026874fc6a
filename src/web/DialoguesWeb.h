#pragma once

#include "platform/Dialogues.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvo {

class Systeme;

// The dialogs of the page: boxes of the page's own, which the program waits for as it waits
// for the desktop's (the script answers; the program's stack is set aside meanwhile). A file
// to open may be given beforehand (dropped on the page, or named by the page's address): the
// next open dialog answers it at once.
class DialoguesWeb final : public Dialogues {
  public:
    explicit DialoguesWeb(Systeme& systeme) : systeme_(systeme) {}

    void ProposeFichier(std::string nom) { propose_ = std::move(nom); }
    // The states of the list's boxes for those checked, while the list is shown.
    std::vector<ElementListe> EtatListe(const std::vector<bool>& coches) const;

    void Avertissement(const std::string& titre, const std::string& texte) override;
    void Message(const std::string& texte) override;
    void Erreur(const std::string& texte) override;
    Reponse Confirmation(const std::string& texte, bool avecAnnuler, Reponse parDefaut) override;
    void Bip() override;
    std::optional<std::string> ChoisitFichierAOuvrir(const DialogueFichier& dialogue) override;
    std::optional<std::string> ChoisitFichierAEnregistrer(const DialogueFichier& dialogue,
                                                          const std::string& nomPropose) override;
    std::optional<std::vector<int>> ChoisitDansListe(const DialogueListe& dialogue) override;

  private:
    Systeme& systeme_;
    std::optional<std::string> propose_;
    const DialogueListe* liste_ = nullptr;
};

} // namespace tarvo
