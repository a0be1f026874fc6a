#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvo {

// Buttons of a confirmation box; the values are those the commands compare with.
enum class Reponse { Oui = 6, Non = 7, Annuler = 2 };

// A file-open or file-save dialog: title, default extension and filter.
struct DialogueFichier {
    std::string Titre;
    std::string Extension;
    std::string Filtre;
};

// One box of a list of check boxes: its label, and whether it can be checked (when it
// cannot, the reason is shown beside it).
struct ElementListe {
    std::string Libelle;
    bool Actif = true;
    std::string Motif;
};

// A list of check boxes to choose from: `etat` gives the state of every box for the boxes
// checked (it is asked again at each change), and OK needs at least `minimum` boxes checked.
struct DialogueListe {
    std::string Titre;
    std::string Texte;
    int Nombre = 0;
    std::function<std::vector<ElementListe>(const std::vector<bool>& coches)> Etat;
    int Minimum = 1;
};

// Message boxes, questions, file dialogs and the beep of the desktop system.
class Dialogues {
public:
    virtual ~Dialogues() = default;
    // Warning box with one OK button and the given title.
    virtual void Avertissement(const std::string& titre, const std::string& texte) = 0;
    // Plain message box with one OK button, titled with the program's name.
    virtual void Message(const std::string& texte) = 0;
    // Error box naming a limit of a typed value.
    virtual void Erreur(const std::string& texte) = 0;
    // Confirmation box: Yes/No/Cancel (or Yes/No) with a default button; closing it
    // counts as Cancel.
    virtual Reponse Confirmation(const std::string& texte, bool avecAnnuler, Reponse parDefaut) = 0;
    virtual void Bip() = 0;
    // File dialogs: the chosen name, or nothing when the user cancelled.
    virtual std::optional<std::string> ChoisitFichierAOuvrir(const DialogueFichier& dialogue) = 0;
    virtual std::optional<std::string> ChoisitFichierAEnregistrer(const DialogueFichier& dialogue,
                                                                  const std::string& nomPropose) = 0;
    // The boxes checked, in order, or nothing when the user cancelled. Dialogs that cannot
    // show a list cancel it.
    virtual std::optional<std::vector<int>> ChoisitDansListe(const DialogueListe&) {
        return std::nullopt;
    }
};

} // namespace tarvo
