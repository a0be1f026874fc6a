#pragma once

#include "pages/commun/Surface.h"

namespace tarvo {

class Programme;

// The part of the page surface that is the program's own: the pressed page button, the
// help context and the print hint go to the program's state, the drawers' calls to
// `MetAJourActions` and `MetAJourVue` reach the program, and the editor's text and the
// help windows go to the main window. The window (and the tests' fake
// window) provide the rest.
class SurfaceProgramme : public Surface {
  public:
    void Relie(Programme& programme) { Programme_ = &programme; }

    void EnfonceBoutonPage(BoutonPage bouton) final;
    void FixeContexteAide(int contexte) final;
    void FixeConseilImprimer(const std::string& conseil) final;
    void MetAJourActions() final;
    void MetAJourVue() final;
    bool MesuresActive() final;
    void FermeAides() final;
    std::string TexteSaisie() final;
    void FixeTexteSaisie(const std::string& texte) final;
    void FixeLongueurMaxSaisie(int longueur) final;
    void FixeIndicationSaisie(const std::string& indication) final;
    void SelectionneSaisie() final;

  private:
    Programme* Programme_ = nullptr;
};

} // namespace tarvo
