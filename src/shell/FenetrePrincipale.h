#pragma once

#include "app/EtatActions.h"
#include "app/Principale.h"
#include "platform/Fenetre.h"
#include "posix/FichiersPosix.h"
#include "shell/DialoguesQt.h"
#include "shell/SystemeQt.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;

namespace tarvo {

class BoiteAPropos;
class CalculsQt;
class Traducteur;
class FenetreAide;
class Programme;
class ZonePage;

// The main window `Principale`: menus, toolbar, status bar and the page area, with the
// program that runs in it. It carries out what the program decides: the state of the
// actions, the recent-file entries, the caption, the editor, the help and About windows.
class FenetrePrincipale final : public QMainWindow,
                                public Fenetre,
                                public Principale,
                                public ObservateurActions {
    Q_OBJECT
  public:
    // The interface in the language of `traducteur` (none: French).
    explicit FenetrePrincipale(const Traducteur* traducteur = nullptr);
    ~FenetrePrincipale() override;
    // The system of the window, whose `Traduit` gives the interface's texts.
    Systeme& SystemeFenetre() { return Systeme_; }

    // Start-up (`FormCreate`) with the arguments of the command line.
    void Demarre(const std::vector<std::string>& arguments);

    Programme& Prog() { return *Programme_; }
    ZonePage& Zone() { return *Zone_; }
    CalculsQt& Calculs() { return *Calculs_; }
    QAction* ActionQt(Action a) const { return Actions[Indice(a)]; }
    QToolButton* BoutonQt(Bouton b) const { return Boutons[static_cast<std::size_t>(b)]; }
    QAction* HistoriqueQt(int n) const { return Historiques[static_cast<std::size_t>(n)]; }
    QAction* SeparateurN2() const { return N2; }
    QToolBar* ToolBar1() const { return BarreOutils; }
    // The caption as the program sets it, without the modified marker's placeholder.
    QString Legende() const;

    // Fenetre
    EtatFenetre Etat() override;
    void FixeEtat(EtatFenetre etat) override;
    int Largeur() override { return width(); }
    int Hauteur() override { return height(); }
    int Gauche() override { return x(); }
    int Haut() override { return y(); }
    void FixeLargeur(int largeur) override { resize(largeur, height()); }
    void FixeHauteur(int hauteur) override { resize(width(), hauteur); }
    void FixeGauche(int gauche) override { move(gauche, y()); }
    void FixeHaut(int haut) override { move(x(), haut); }
    int LargeurClient() override { return width(); }
    void FixeLargeurPage(int largeur) override;
    void FixeTitre(const std::string& titre) override;
    void AfficheHistorique(int n, bool visible, const std::string& libelle) override;
    void AfficheSeparateurHistorique(bool visible) override;
    // The program keeps the Save command's state with the other actions.
    void ActiveEnregistrer(bool) override {}

    // Principale
    std::string TexteSaisie() override;
    void FixeTexteSaisie(const std::string& texte) override;
    void FixeLongueurMaxSaisie(int longueur) override;
    void FixeIndicationSaisie(const std::string& indication) override;
    void SelectionneSaisie() override;
    void DonneFocusSaisie() override;
    void FixeTexteNote(const std::string& texte) override;
    void PressePapiers(bool surSaisie, OperationPressePapiers operation) override;
    void ActiveSaisieEtNote(bool actifs) override;
    void ActiveBarreOutils(bool active) override;
    void AfficheAide(const std::string& page) override;
    void FermeAides() override;
    void AfficheAPropos() override;
    void Termine() override;

    // ObservateurActions
    void ActionChangee(Action a) override;
    void BoutonChange(Bouton b) override;

  protected:
    void closeEvent(QCloseEvent* evenement) override;
    // The keys of a page that takes them itself (the history's lines), the editor hidden.
    void keyPressEvent(QKeyEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    void CreeActions();
    void CreeMenus();
    void CreeBarreOutils();
    void Execute(Action a);

    FichiersPosix Fichiers_;
    // Before the dialogs, which give their captions in its language.
    SystemeQt Systeme_;
    DialoguesQt Dialogues_;
    ZonePage* Zone_;
    QToolBar* BarreOutils = nullptr;
    std::array<QAction*, NombreActions> Actions{};
    std::array<QToolButton*, NombreBoutons> Boutons{};
    std::array<QAction*, 5> Historiques{};
    QAction* N2 = nullptr;
    FenetreAide* Aide_ = nullptr;
    std::unique_ptr<Programme> Programme_;
    // After the program: its thread ends before the program goes.
    std::unique_ptr<CalculsQt> Calculs_;
};

} // namespace tarvo
