#include "shell/FenetrePrincipale.h"

#include "app/Commandes.h"
#include "app/Programme.h"
#include "shell/BoiteAPropos.h"
#include "shell/CalculsQt.h"
#include "shell/FenetreAide.h"
#include "shell/Icones.h"
#include "shell/Logo.h"
#include "shell/ZonePage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace tarvo {

namespace {

QString Texte(std::string_view texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

// The page buttons are shown pressed while their page is shown.
bool BoutonDePage(Bouton b) {
    return b >= Bouton::ToolCaracteristiques && b <= Bouton::ToolOmbres;
}

} // namespace

FenetrePrincipale::FenetrePrincipale(const Traducteur* traducteur)
    : Systeme_(traducteur), Dialogues_(this, Systeme_) {
    setWindowTitle("Tarvo[*]");
    setWindowIcon(QIcon(QPixmap::fromImage(
        DessineLogo().scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation))));
    Zone_ = new ZonePage(*this, Systeme_);
    setCentralWidget(Zone_);
    statusBar()->setSizeGripEnabled(true);

    Programme_ =
        std::make_unique<Programme>(Fichiers_, Dialogues_, Systeme_, *this, *Zone_, *Zone_, *this);
    Zone_->RelieProgramme(*Programme_);
    Calculs_ = std::make_unique<CalculsQt>([this] { Zone_->RafraichitPage(); });
    Programme_->Incertitudes.FixeCalculs(Calculs_.get());
    Programme_->SeriesHistorique.FixeCalculs(Calculs_.get());

    CreeActions();
    CreeMenus();
    CreeBarreOutils();
    for (std::size_t i = 0; i < NombreActions; ++i)
        ActionChangee(static_cast<Action>(i));
    for (std::size_t i = 0; i < NombreBoutons; ++i)
        BoutonChange(static_cast<Bouton>(i));
    Programme_->Actions.FixeObservateur(this);

    // The designed client size; the settings or the default geometry replace it. The
    // layout is settled now, so that the page area knows the toolbar's height before the
    // window is first shown.
    resize(705, 1034);
    layout()->activate();
}

FenetrePrincipale::~FenetrePrincipale() {
    Programme_->Actions.FixeObservateur(nullptr);
    // The page area goes before the program that it reports to.
    delete takeCentralWidget();
}

void FenetrePrincipale::CreeActions() {
    for (std::size_t i = 0; i < NombreActions; ++i) {
        const Action a = static_cast<Action>(i);
        const DescriptionAction& d = Description(a);
        auto* action = new QAction(Texte(Systeme_.Traduit("Actions", d.Libelle)), this);
        action->setObjectName(Texte(d.Nom));
        if (d.Image >= 0) action->setIcon(IconeAction(d.Image));
        // A menu item with its own shortcut shows that one (Imprimer1, FileExit1).
        const std::string_view raccourci = d.RaccourciMenu.empty() ? d.Raccourci : d.RaccourciMenu;
        if (!raccourci.empty()) action->setShortcut(QKeySequence(Texte(raccourci)));
        action->setData(d.ContexteAide);
        connect(action, &QAction::triggered, this, [this, a] { Execute(a); });
        // Shortcuts of actions without a menu item work anywhere in the window.
        addAction(action);
        Actions[i] = action;
    }
}

void FenetrePrincipale::CreeMenus() {
    for (const Menu& m : MenuPrincipal()) {
        QMenu* menu = menuBar()->addMenu(Texte(Systeme_.Traduit("Actions", m.Libelle)));
        menu->menuAction()->setStatusTip(Texte(Systeme_.Traduit("Actions", m.Indication)));
        menu->setToolTipsVisible(false);
        menu->installEventFilter(this);
        for (std::size_t i = 0; i < m.Nombre; ++i) {
            const ElementMenu& e = m.Elements[i];
            switch (e.Type) {
            case ElementMenu::Genre::Commande:
                menu->addAction(Actions[Indice(e.Commande)]);
                break;
            case ElementMenu::Genre::Separateur: {
                QAction* separateur = menu->addSeparator();
                if (e.Nom == "N2") {
                    separateur->setObjectName("N2");
                    N2 = separateur;
                }
                break;
            }
            case ElementMenu::Genre::Historique: {
                const int n = e.Historique;
                auto* entree = menu->addAction(QString());
                entree->setObjectName(QString("Historique%1").arg(n));
                entree->setData(1000);
                entree->setVisible(false);
                connect(entree, &QAction::triggered, this, [this, n] {
                    HistoriqueClick(*Programme_, n);
                    Zone_->RafraichitPage();
                });
                Historiques[static_cast<std::size_t>(n)] = entree;
                break;
            }
            }
        }
    }
}

void FenetrePrincipale::CreeBarreOutils() {
    BarreOutils = addToolBar("ToolBar1");
    BarreOutils->setObjectName("ToolBar1");
    BarreOutils->setMovable(false);
    BarreOutils->setFloatable(false);
    BarreOutils->setIconSize(QSize(16, 16));
    BarreOutils->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    for (const PlaceBarre& place : tarvo::BarreOutils()) {
        if (place.Separateur) {
            BarreOutils->addSeparator();
            continue;
        }
        auto* bouton = new QToolButton(BarreOutils);
        bouton->setIcon(Actions[Indice(place.Commande)]->icon());
        // A screen reader names the button by its command's caption.
        bouton->setAccessibleName(Actions[Indice(place.Commande)]->text().remove('&'));
        bouton->setAutoRaise(false);
        bouton->setCheckable(BoutonDePage(place.Nom));
        bouton->setFocusPolicy(Qt::NoFocus);
        const Action a = place.Commande;
        const Bouton b = place.Nom;
        connect(bouton, &QToolButton::clicked, this, [this, a, b] {
            Actions[Indice(a)]->trigger();
            // A click toggles a checkable button; the page decides which one is down.
            BoutonChange(b);
        });
        BarreOutils->addWidget(bouton);
        // Raised buttons, as designed; the toolbar makes its buttons flat when added.
        bouton->setAutoRaise(false);
        Boutons[static_cast<std::size_t>(place.Nom)] = bouton;
    }
    // Set before the page area is laid out, so that its height is counted.
    BarreOutils->adjustSize();
}

void FenetrePrincipale::Execute(Action a) {
    ExecuteAction(*Programme_, a);
    Zone_->RafraichitPage();
}

void FenetrePrincipale::Demarre(const std::vector<std::string>& arguments) {
    FormCreate(*Programme_, arguments);
    Zone_->RafraichitPage();
}

EtatFenetre FenetrePrincipale::Etat() {
    if (windowState() & Qt::WindowMinimized) return EtatFenetre::Minimise;
    if (windowState() & Qt::WindowMaximized) return EtatFenetre::Maximise;
    return EtatFenetre::Normal;
}

void FenetrePrincipale::FixeEtat(EtatFenetre etat) {
    switch (etat) {
    case EtatFenetre::Normal:
        setWindowState(Qt::WindowNoState);
        break;
    case EtatFenetre::Minimise:
        setWindowState(Qt::WindowMinimized);
        break;
    case EtatFenetre::Maximise:
        setWindowState(Qt::WindowMaximized);
        break;
    }
}

void FenetrePrincipale::FixeLargeurPage(int largeur) {
    Zone_->FixeLargeurControle(Controle::Fenetre, largeur);
}

void FenetrePrincipale::FixeTitre(const std::string& titre) {
    // The placeholder shows the desktop's modified marker while there are changes to save.
    setWindowTitle(QString::fromStdString(titre) + "[*]");
}

QString FenetrePrincipale::Legende() const {
    QString titre = windowTitle();
    titre.remove("[*]");
    return titre;
}

void FenetrePrincipale::AfficheHistorique(int n, bool visible, const std::string& libelle) {
    if (n < 1 || n > 4) return;
    QAction* entree = Historiques[static_cast<std::size_t>(n)];
    entree->setText(QString::fromStdString(libelle));
    entree->setVisible(visible);
}

void FenetrePrincipale::AfficheSeparateurHistorique(bool visible) {
    N2->setVisible(visible);
}

std::string FenetrePrincipale::TexteSaisie() {
    return Zone_->Saisie->text().toStdString();
}

void FenetrePrincipale::FixeTexteSaisie(const std::string& texte) {
    Zone_->Saisie->setText(QString::fromStdString(texte));
}

void FenetrePrincipale::FixeLongueurMaxSaisie(int longueur) {
    Zone_->Saisie->setMaxLength(longueur);
}

void FenetrePrincipale::FixeIndicationSaisie(const std::string& indication) {
    const std::string_view i = indication;
    Zone_->Saisie->setToolTip(Texte(IndicationCourte(i)));
    Zone_->Saisie->setStatusTip(Texte(IndicationLongue(i)));
}

void FenetrePrincipale::SelectionneSaisie() {
    Zone_->Saisie->selectAll();
}

void FenetrePrincipale::DonneFocusSaisie() {
    Zone_->Saisie->setFocus();
}

void FenetrePrincipale::FixeTexteNote(const std::string& texte) {
    QString t = QString::fromStdString(texte);
    t.replace("\r\n", "\n");
    // The program's own change of the memo is no edit of the comment.
    const QSignalBlocker bloque(Zone_->Note);
    if (Zone_->Note->toPlainText() != t) Zone_->Note->setPlainText(t);
}

void FenetrePrincipale::PressePapiers(bool surSaisie, OperationPressePapiers operation) {
    if (surSaisie) {
        QLineEdit* saisie = Zone_->Saisie;
        switch (operation) {
        case OperationPressePapiers::Couper:
            saisie->cut();
            break;
        case OperationPressePapiers::Copier:
            saisie->copy();
            break;
        case OperationPressePapiers::Coller:
            saisie->paste();
            break;
        }
        return;
    }
    QPlainTextEdit* note = Zone_->Note;
    switch (operation) {
    case OperationPressePapiers::Couper:
        note->cut();
        break;
    case OperationPressePapiers::Copier:
        note->copy();
        break;
    case OperationPressePapiers::Coller:
        note->paste();
        break;
    }
}

void FenetrePrincipale::ActiveSaisieEtNote(bool actifs) {
    Zone_->Saisie->setEnabled(actifs);
    Zone_->Note->setEnabled(actifs);
}

void FenetrePrincipale::ActiveBarreOutils(bool active) {
    BarreOutils->setEnabled(active);
}

void FenetrePrincipale::AfficheAide(const std::string& page) {
    if (!Aide_) Aide_ = new FenetreAide(this, Systeme_);
    Aide_->Affiche(QString::fromStdString(page));
}

void FenetrePrincipale::FermeAides() {
    if (Aide_) Aide_->close();
}

void FenetrePrincipale::AfficheAPropos() {
    BoiteAPropos boite(this, Systeme_);
    boite.ProductName->setText("Tarvo - Version 2.5.3");
    boite.Version->setFixedWidth(230);
    for (QLabel* l : {boite.Conditions, boite.Auteur, boite.Adresse})
        l->setFixedWidth(313);
    boite.exec();
}

void FenetrePrincipale::Termine() {
    QCoreApplication::quit();
}

void FenetrePrincipale::ActionChangee(Action a) {
    const EtatActions& etat = Programme_->Actions;
    // The program's hints are the French ones of the actions, or its own already translated.
    const std::string indication = Systeme_.Traduit("Actions", etat.Indication(a));
    const bool active = ActionUtilisable(etat, a);
    QAction* action = Actions[Indice(a)];
    action->setEnabled(active);
    action->setToolTip(Texte(IndicationCourte(indication)));
    action->setStatusTip(Texte(IndicationLongue(indication)));
    for (const PlaceBarre& place : tarvo::BarreOutils()) {
        if (place.Separateur || place.Commande != a) continue;
        QToolButton* bouton = Boutons[static_cast<std::size_t>(place.Nom)];
        if (!bouton) continue;
        bouton->setEnabled(active);
        bouton->setToolTip(action->toolTip());
        bouton->setStatusTip(action->statusTip());
    }
}

void FenetrePrincipale::BoutonChange(Bouton b) {
    QToolButton* bouton = Boutons[static_cast<std::size_t>(b)];
    if (bouton && bouton->isCheckable()) bouton->setChecked(Programme_->Actions.Enfonce(b));
}

void FenetrePrincipale::closeEvent(QCloseEvent* evenement) {
    if (Programme_->Etat.Fermeture || FormCloseQuery(*Programme_))
        evenement->accept();
    else
        evenement->ignore();
}

void FenetrePrincipale::keyPressEvent(QKeyEvent* evenement) {
    std::optional<TouchePage> touche;
    switch (evenement->key()) {
    case Qt::Key_Up: touche = TouchePage::Haut; break;
    case Qt::Key_Down: touche = TouchePage::Bas; break;
    case Qt::Key_PageUp: touche = TouchePage::PagePrecedente; break;
    case Qt::Key_PageDown: touche = TouchePage::PageSuivante; break;
    case Qt::Key_Home: touche = TouchePage::Debut; break;
    case Qt::Key_End: touche = TouchePage::Fin; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: touche = TouchePage::Entree; break;
    default: break;
    }
    if (touche && evenement->modifiers() == Qt::NoModifier && ToucheHistorique(*Programme_, *touche)) {
        Zone_->RafraichitPage();
        evenement->accept();
        return;
    }
    QMainWindow::keyPressEvent(evenement);
}

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* evenement) {
    // F1 on a highlighted menu item shows the help topic of its command.
    if (evenement->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_F1) {
        if (auto* menu = qobject_cast<QMenu*>(objet); menu && menu->activeAction()) {
            const int contexte = menu->activeAction()->data().toInt();
            menu->close();
            AideContextuelle(*Programme_, contexte);
            return true;
        }
    }
    return QMainWindow::eventFilter(objet, evenement);
}

} // namespace tarvo
