#pragma once

#include "platform/Dialogues.h"
#include "shell/SystemeQt.h"

#include <QString>

class QWidget;

namespace tarvo {

// The filter of a file dialog as the program writes it ("description|motif|...") in the
// form Qt expects ("description (motif);;...").
QString FiltreQt(const std::string& filtre);

// Message boxes and file dialogs of Qt over the main window, their own captions in the
// language of `systeme` (none: French).
class DialoguesQt final : public Dialogues {
  public:
    explicit DialoguesQt(QWidget* parent) : Parent(parent), Systeme_(Francais_) {}
    DialoguesQt(QWidget* parent, Systeme& systeme) : Parent(parent), Systeme_(systeme) {}

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
    std::optional<std::string> ChoisitFichier(const DialogueFichier& dialogue, bool enregistrer,
                                              const std::string& nomPropose);
    QWidget* Parent;
    SystemeQt Francais_;
    Systeme& Systeme_;
};

} // namespace tarvo
