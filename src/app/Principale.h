#pragma once

#include <string>

namespace tarvo {

// What the commands do to the main window beyond the page surface (sizes, controls, page
// state) and the settings window (geometry, caption, recent files): the editor's text and
// focus, the memo's text, the help and About windows, and the end of the program.
enum class OperationPressePapiers { Couper, Copier, Coller };

class Principale {
  public:
    virtual ~Principale() = default;

    // The floating editor `Saisie`.
    virtual std::string TexteSaisie() = 0;
    virtual void FixeTexteSaisie(const std::string& texte) = 0;
    virtual void FixeLongueurMaxSaisie(int longueur) = 0;
    virtual void FixeIndicationSaisie(const std::string& indication) = 0;
    virtual void SelectionneSaisie() = 0;
    virtual void DonneFocusSaisie() = 0;
    // Cut, copy or paste on the editor (`surSaisie`) or on the memo.
    virtual void PressePapiers(bool surSaisie, OperationPressePapiers operation) = 0;
    // The memo `Note` shows the comment of the series in memory.
    virtual void FixeTexteNote(const std::string& texte) = 0;
    // Closing disables the editor and the memo.
    virtual void ActiveSaisieEtNote(bool actifs) = 0;

    virtual void ActiveBarreOutils(bool active) = 0;

    // Shows a help page (a path to an HTML file) in the program's help window.
    virtual void AfficheAide(const std::string& page) = 0;
    // Closes every help window the program opened.
    virtual void FermeAides() = 0;
    virtual void AfficheAPropos() = 0;
    // Tells the application to end once the current event is handled.
    virtual void Termine() = 0;
};

} // namespace tarvo
