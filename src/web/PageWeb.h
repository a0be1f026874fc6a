#pragma once

#include "app/EtatActions.h"
#include "app/Principale.h"
#include "app/Programme.h"
#include "platform/Fenetre.h"
#include "web/CalculsWeb.h"
#include "web/DialoguesWeb.h"
#include "web/FichiersWeb.h"
#include "web/SystemeWeb.h"
#include "web/ZoneWeb.h"

#include <functional>
#include <memory>
#include <string>

namespace tarvo {

// The program in the web page: its services over the browser, its page area, and the main
// window's part (editor and memo, help, title, recent files, the actions' states). The
// script holds one and hands it back with every event (Exports.cpp).
class PageWeb final : public Principale, public Fenetre, public ObservateurActions {
  public:
    PageWeb(std::string langue, char separateur);
    ~PageWeb() override;
    PageWeb(const PageWeb&) = delete;
    PageWeb& operator=(const PageWeb&) = delete;

    // Runs an event's work on the program, then shows what it changed: the canvases, the
    // modified state, and tells the script when the actions changed.
    void Evenement(const std::function<void(Programme&)>& travail);

    Programme& Prog() { return *programme_; }
    SystemeWeb& Systeme_() { return systeme_; }
    FichiersWeb& Fichiers_() { return fichiers_; }
    DialoguesWeb& Dialogues_() { return dialogues_; }
    ZoneWeb& Zone() { return zone_; }
    CalculsWeb& Calculs() { return calculs_; }
    // The bytes a save would write now, kept aside for the page's storage (nothing shown,
    // nothing asked): the working document after a closed tab or a crash.
    void Instantane();

    // Principale
    std::string TexteSaisie() override;
    void FixeTexteSaisie(const std::string& texte) override;
    void FixeLongueurMaxSaisie(int longueur) override;
    void FixeIndicationSaisie(const std::string& indication) override;
    void SelectionneSaisie() override;
    void DonneFocusSaisie() override;
    void PressePapiers(bool surSaisie, OperationPressePapiers operation) override;
    void FixeTexteNote(const std::string& texte) override;
    void ActiveSaisieEtNote(bool actifs) override;
    void ActiveBarreOutils(bool active) override;
    void AfficheAide(const std::string& page) override;
    void FermeAides() override;
    void AfficheAPropos() override;
    void Termine() override;

    // Fenetre
    EtatFenetre Etat() override { return EtatFenetre::Normal; }
    void FixeEtat(EtatFenetre) override {}
    int Largeur() override { return zone_.LargeurClient(); }
    int Hauteur() override { return zone_.HauteurClient(); }
    int Gauche() override { return 0; }
    int Haut() override { return 0; }
    void FixeLargeur(int) override {}
    void FixeHauteur(int) override {}
    void FixeGauche(int) override {}
    void FixeHaut(int) override {}
    int LargeurClient() override { return zone_.LargeurClient(); }
    void FixeLargeurPage(int largeur) override;
    void FixeTitre(const std::string& titre) override;
    void AfficheHistorique(int n, bool visible, const std::string& libelle) override;
    void AfficheSeparateurHistorique(bool visible) override;
    void ActiveEnregistrer(bool) override { tw_actions_changees_(); }

    // ObservateurActions
    void ActionChangee(Action) override { tw_actions_changees_(); }
    void BoutonChange(Bouton) override { tw_actions_changees_(); }

  private:
    static void tw_actions_changees_();

    SystemeWeb systeme_;
    FichiersWeb fichiers_;
    DialoguesWeb dialogues_{systeme_};
    ZoneWeb zone_;
    CalculsWeb calculs_{[this] { zone_.Rafraichit(); }};
    std::unique_ptr<Programme> programme_;
    int profondeur_ = 0;
};

} // namespace tarvo
