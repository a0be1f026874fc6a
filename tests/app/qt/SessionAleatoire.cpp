#include "SessionAleatoire.h"

#include "Relecture.h"
#include "app/Programme.h"
#include "shell/FenetrePrincipale.h"
#include "shell/ZonePage.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <cstdio>

namespace tarvo::test {

namespace {

// A key as a keyboard sends it: code, modifiers and the text it types.
struct Frappe {
    Qt::Key Cle;
    Qt::KeyboardModifiers Modificateurs;
    const char* Texte;
};

constexpr Frappe Speciales[] = {
    {Qt::Key_Return, Qt::NoModifier, "\r"},    {Qt::Key_Return, Qt::NoModifier, "\r"},
    {Qt::Key_Enter, Qt::KeypadModifier, "\r"}, {Qt::Key_Return, Qt::ControlModifier, "\r"},
    {Qt::Key_Escape, Qt::NoModifier, "\x1b"},  {Qt::Key_Left, Qt::NoModifier, ""},
    {Qt::Key_Right, Qt::NoModifier, ""},       {Qt::Key_Up, Qt::NoModifier, ""},
    {Qt::Key_Down, Qt::NoModifier, ""},        {Qt::Key_PageUp, Qt::NoModifier, ""},
    {Qt::Key_PageDown, Qt::NoModifier, ""},    {Qt::Key_D, Qt::ControlModifier, "\x04"},
    {Qt::Key_L, Qt::ControlModifier, "\x0c"},  {Qt::Key_Backspace, Qt::NoModifier, "\b"},
    {Qt::Key_Delete, Qt::NoModifier, "\x7f"},  {Qt::Key_Home, Qt::NoModifier, ""},
    {Qt::Key_End, Qt::NoModifier, ""},         {Qt::Key_Tab, Qt::NoModifier, "\t"},
    {Qt::Key_A, Qt::ControlModifier, "\x01"},  {Qt::Key_Z, Qt::ControlModifier, "\x1a"},
    {Qt::Key_V, Qt::ControlModifier, "\x16"},  {Qt::Key_X, Qt::ControlModifier, "\x18"},
    {Qt::Key_C, Qt::ControlModifier, "\x03"},  {Qt::Key_F4, Qt::NoModifier, ""},
    {Qt::Key_F5, Qt::NoModifier, ""},
};

// Characters typed one by one: the digits and signs of a number, and anything else.
const QString Caracteres = "0123456789012345678901234567890123456789,,..--  +eEaAzZé\"'`;:/\\";

// Texts typed in a field before Enter: numbers of every shape a person types, and some that
// are no number at all.
const char* const Textes[] = {"0",       "1",
                              "2",       "3",
                              "4",       "5",
                              "10",      "25",
                              "100",     "150",
                              "200",     "250",
                              "300",     "1000",
                              "1200",    "1500",
                              "1800",    "2400",
                              "999",     "0,5",
                              "1,25",    "-1",
                              "-1,2",    "0,0001",
                              "2,345",   "3.141",
                              "12,3456", "1e3",
                              "1,2,3",   "",
                              "abc",     "-",
                              ",",       "9999999999999999999",
                              "0,00001", "-0",
                              " 7 ",     "1,999",
                              "5,0005",  "80",
                              "60",      "40",
                              "20",      "11",
                              "12",      "-2",
                              "1,234",   "1,5",
                              "2,75",    "0,873",
                              "3,02",    "1.9"};

Qt::Key CleDe(QChar c) {
    if (c.isDigit()) return static_cast<Qt::Key>(Qt::Key_0 + c.digitValue());
    if (c.isLetter() && c.unicode() < 128) return static_cast<Qt::Key>(c.toUpper().unicode());
    if (c == ',') return Qt::Key_Comma;
    if (c == '.') return Qt::Key_Period;
    if (c == '-') return Qt::Key_Minus;
    if (c == ' ') return Qt::Key_Space;
    return Qt::Key_unknown;
}

void Frappe1(QWidget* cible, Qt::Key cle, const QString& texte, Qt::KeyboardModifiers mod) {
    QTest::sendKeyEvent(QTest::Click, cible, cle, texte, mod);
}

} // namespace

SessionAleatoire::SessionAleatoire(const ReglagesAleatoires& reglages, const QDir& dossier,
                                   std::atomic<std::int64_t>& evenement)
    : Reglages(reglages), Dossier(dossier), NumeroEvenement(evenement), Hasard(reglages.Graine),
      Robot(Hasard, dossier) {
    Robot.Journal = [this](const QString& texte) { Note("    robot : " + texte); };
}

SessionAleatoire::~SessionAleatoire() = default;

int SessionAleatoire::Tirage(int n) {
    return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(Hasard);
}

void SessionAleatoire::Note(const QString& texte) {
    if (!Reglages.Trace) return;
    const std::string page = Fenetre ? Fenetre->Prog().Etat.PageCourante : std::string();
    std::fprintf(stderr, "%lld [%s] %s\n", static_cast<long long>(NumeroEvenement.load()),
                 page.c_str(), texte.toUtf8().constData());
}

std::string SessionAleatoire::Joue() {
    NouvelleFenetre();
    for (std::int64_t n = 1; n <= Reglages.Evenements && Faute.empty(); ++n) {
        NumeroEvenement.store(n);
        Evenement();
        QApplication::processEvents();
    }
    return Faute;
}

void SessionAleatoire::NouvelleFenetre() {
    Fenetre = std::make_unique<FenetrePrincipale>();
    std::vector<std::string> arguments;
    const QStringList fichiers = Dossier.entryList(QDir::Files, QDir::Name);
    if (!fichiers.isEmpty() && !Pile(4))
        arguments.push_back(
            Dossier.filePath(fichiers[Tirage(static_cast<int>(fichiers.size()))]).toStdString());
    Note("démarre sur " + QString::fromStdString(arguments.empty() ? "rien" : arguments[0]));
    Fenetre->Demarre(arguments);
    Fenetre->show();
    Fenetre->activateWindow();
    QApplication::processEvents();
}

void SessionAleatoire::Evenement() {
    // The user comes back to the main window after a dialog or the help.
    if (!Fenetre->isActiveWindow()) {
        Fenetre->activateWindow();
        QApplication::processEvents();
    }
    // Leaving the program seldom: a new window starts on the characteristics page.
    static constexpr int Poids[] = {12, 20, 8, 6, 4, 44, 40, 14, 28, 2, 1, 8, 4};
    std::discrete_distribution<int> genre(std::begin(Poids), std::end(Poids));
    switch (genre(Hasard)) {
    case 0: {
        ImagePage* page = Fenetre->Zone().Fenetre;
        CliqueSurLaPage(QPoint(Tirage(page->width()), Tirage(page->height())));
        break;
    }
    case 1:
        CliqueDansUnCadre();
        break;
    case 2:
        CliqueSurUneFleche();
        break;
    case 3:
        CliqueSurUneForme();
        break;
    case 4:
        CliqueSurAnnuler();
        break;
    case 5:
        ToucheSaisie();
        break;
    case 6:
        NombreSaisie();
        break;
    case 7:
        ToucheNote();
        break;
    case 8:
        Commande();
        break;
    case 9:
        Historique();
        break;
    case 10:
        FermeFenetre();
        break;
    case 11:
        Defile();
        break;
    default:
        Redimensionne();
        break;
    }
}

void SessionAleatoire::Clique(QWidget* cible, QPoint point, bool double_) {
    const QPointer<QWidget> garde(cible);
    QTest::mousePress(cible, Qt::LeftButton, Qt::NoModifier, point);
    if (garde) QTest::mouseRelease(cible, Qt::LeftButton, Qt::NoModifier, point);
    if (!double_) return;
    // A double click as the system sends it: the second press comes as a double click.
    if (garde) QTest::mouseDClick(cible, Qt::LeftButton, Qt::NoModifier, point);
    if (garde) QTest::mouseRelease(cible, Qt::LeftButton, Qt::NoModifier, point);
}

// A click at a point of the page bitmap, received by whatever lies there on the screen:
// the bitmap, the editor, a button, the memo; nothing outside the window.
void SessionAleatoire::CliqueSurLaPage(QPoint point) {
    const QPoint dansLaFenetre = Fenetre->Zone().Fenetre->mapTo(Fenetre.get(), point);
    if (!Fenetre->rect().contains(dansLaFenetre)) return;
    QWidget* cible = Fenetre->childAt(dansLaFenetre);
    if (cible == nullptr) return;
    const bool double_ = Pile(6);
    Note(QString("clic%1 en %2,%3 sur %4")
             .arg(double_ ? " double" : "")
             .arg(point.x())
             .arg(point.y())
             .arg(cible->metaObject()->className()));
    Clique(cible, cible->mapFrom(Fenetre.get(), dansLaFenetre), double_);
}

void SessionAleatoire::CliqueDansUnCadre() {
    const CadresPage& cadres = Fenetre->Prog().Cadres;
    std::vector<Cadre> boites(cadres.Cadres.begin() + 1, cadres.Cadres.end());
    boites.push_back(cadres.CadreTrou);
    const ColonnesDeZones& colonnes = cadres.ColonnesZones;
    for (std::size_t i = 1; i < colonnes.Bords.size(); ++i)
        boites.push_back({colonnes.Bords[i - 1], colonnes.Haut, colonnes.Bords[i], colonnes.Bas});
    std::erase_if(boites,
                  [](const Cadre& c) { return c.Droite - c.Gauche < 3 || c.Bas - c.Haut < 3; });
    if (boites.empty()) return;
    const Cadre& c = boites[static_cast<std::size_t>(Tirage(static_cast<int>(boites.size())))];
    CliqueSurLaPage(QPoint(c.Gauche + 1 + Tirage(c.Droite - c.Gauche - 1),
                           c.Haut + 1 + Tirage(c.Bas - c.Haut - 1)));
}

void SessionAleatoire::CliqueSurUneFleche() {
    std::vector<QLabel*> fleches;
    for (QLabel* l : Fenetre->Zone().Fiche->findChildren<QLabel*>())
        if (!l->toolTip().isEmpty() && l->isVisible()) fleches.push_back(l);
    if (fleches.empty()) return;
    QLabel* fleche = fleches[static_cast<std::size_t>(Tirage(static_cast<int>(fleches.size())))];
    const bool double_ = Pile(3);
    Note((double_ ? "double clic sur " : "clic sur ") + fleche->toolTip());
    Clique(fleche, QPoint(8, 8), double_);
}

void SessionAleatoire::CliqueSurUneForme() {
    ZonePage& zone = Fenetre->Zone();
    QRadioButton* bouton = Pile(2) ? zone.FormeParabolique : zone.FormeSpherique;
    if (!bouton->isVisible()) return;
    Note("clic sur " + bouton->text());
    Clique(bouton, bouton->rect().center(), false);
}

void SessionAleatoire::CliqueSurAnnuler() {
    QPushButton* annuler = Fenetre->Zone().Bouton_Annuler;
    if (!annuler->isVisible()) return;
    Note("clic sur Annuler");
    Clique(annuler, annuler->rect().center(), Pile(8));
}

// A person clicks in a control before typing in it.
void SessionAleatoire::FocusSur(QWidget* cible) {
    if (cible->hasFocus() || !cible->isVisible() || !cible->isEnabled()) return;
    auto* memo = qobject_cast<QPlainTextEdit*>(cible);
    QWidget* surface = memo ? memo->viewport() : cible;
    Note(QString("clic pour taper dans ") + cible->metaObject()->className());
    Clique(surface,
           QPoint(1 + Tirage(std::max(surface->width() - 2, 1)),
                  1 + Tirage(std::max(surface->height() - 2, 1))),
           false);
}

void SessionAleatoire::ToucheSaisie() {
    FocusSur(Fenetre->Zone().Saisie);
    QWidget* cible = QApplication::focusWidget();
    if (cible == nullptr) return;
    if (Pile(2)) {
        const Frappe& f = Speciales[Tirage(static_cast<int>(std::size(Speciales)))];
        Note(QString("touche %1 (%2)")
                 .arg(QKeySequence(f.Cle | f.Modificateurs).toString())
                 .arg(cible->metaObject()->className()));
        Frappe1(cible, f.Cle, QString::fromLatin1(f.Texte), f.Modificateurs);
    } else {
        const QChar c = Caracteres[Tirage(static_cast<int>(Caracteres.size()))];
        Note(QString("caractère « %1 » (%2)").arg(c).arg(cible->metaObject()->className()));
        Frappe1(cible, CleDe(c), QString(c), Qt::NoModifier);
    }
}

void SessionAleatoire::NombreSaisie() {
    QLineEdit* saisie = Fenetre->Zone().Saisie;
    FocusSur(saisie);
    if (!saisie->hasFocus()) return;
    QString texte = QString::fromUtf8(Textes[Tirage(static_cast<int>(std::size(Textes)))]);
    // The field's text is replaced, or typed after.
    const bool remplace = !Pile(4);
    Note("tape « " + texte + " »" + (remplace ? "" : " à la suite") + " puis Entrée");
    if (remplace) saisie->selectAll();
    const QPointer<QLineEdit> garde(saisie);
    for (const QChar c : texte) {
        if (!garde || !saisie->hasFocus()) return;
        Frappe1(saisie, CleDe(c), QString(c), Qt::NoModifier);
    }
    if (garde && saisie->hasFocus()) Frappe1(saisie, Qt::Key_Return, "\r", Qt::NoModifier);
}

void SessionAleatoire::ToucheNote() {
    QPlainTextEdit* note = Fenetre->Zone().Note;
    if (!note->isVisible()) return;
    FocusSur(note);
    if (!note->hasFocus()) return;
    static const QString Lettres = "abcdefghij klmnop\"\"éèà01,.'`";
    if (Pile(3)) {
        const Frappe& f = Speciales[Tirage(static_cast<int>(std::size(Speciales)))];
        Note(QString("touche %1 dans le commentaire")
                 .arg(QKeySequence(f.Cle | f.Modificateurs).toString()));
        Frappe1(note, f.Cle, QString::fromLatin1(f.Texte), f.Modificateurs);
    } else {
        const QChar c = Lettres[Tirage(static_cast<int>(Lettres.size()))];
        Note(QString("caractère « %1 » dans le commentaire").arg(c));
        Frappe1(note, CleDe(c), QString(c), Qt::NoModifier);
    }
}

void SessionAleatoire::Commande() {
    // Saving and the pages often, so that series get typed and saved; the commands that
    // leave the document seldom.
    static constexpr std::pair<Action, int> Poids[] = {{Action::FileSave1, 6},
                                                       {Action::FileSaveAs1, 3},
                                                       {Action::NouvellesMesures, 5},
                                                       {Action::EditionDesMesures, 4},
                                                       {Action::BulletinDeControle, 4},
                                                       {Action::Analyse, 2},
                                                       {Action::Historique, 2},
                                                       {Action::MoyenneSeries, 2},
                                                       {Action::EnregistreMoyenne, 1},
                                                       {Action::Ombres, 2},
                                                       {Action::MasqueCouder, 1},
                                                       {Action::Mesures, 3},
                                                       {Action::Feuille_Travail, 3},
                                                       {Action::EditeCaracteristiques1, 2},
                                                       {Action::PageMoins, 2},
                                                       {Action::PagePlus, 2},
                                                       {Action::Annuler, 2},
                                                       {Action::Imprimer1, 1},
                                                       {Action::Couper1, 1},
                                                       {Action::Copier1, 1},
                                                       {Action::Coller1, 1},
                                                       {Action::Aide, 1},
                                                       {Action::Apropos, 1},
                                                       {Action::FileNew1, 1},
                                                       {Action::FileOpen1, 1},
                                                       {Action::FileExit1, 1}};
    std::vector<int> poids;
    for (const auto& [a, p] : Poids)
        poids.push_back(p);
    std::discrete_distribution<std::size_t> choix(poids.begin(), poids.end());
    const Action a = Poids[choix(Hasard)].first;
    // The series pages wait for a saved document: a user who wants one saves first, as the
    // program asks, so that the report and the grids get their share of the events.
    const bool page = a == Action::NouvellesMesures || a == Action::EditionDesMesures ||
                      a == Action::BulletinDeControle || a == Action::Mesures ||
                      a == Action::Analyse;
    if (page && !Fenetre->ActionQt(a)->isEnabled() && Pile(2)) LanceCommande(Action::FileSave1);
    if (Fenetre) LanceCommande(a);
}

void SessionAleatoire::LanceCommande(Action a) {
    QAction* action = Fenetre->ActionQt(a);
    QToolButton* bouton = nullptr;
    for (const PlaceBarre& place : BarreOutils())
        if (!place.Separateur && place.Commande == a) bouton = Fenetre->BoutonQt(place.Nom);
    const bool sauve = a == Action::FileSave1 || a == Action::FileSaveAs1 || a == Action::FileExit1;
    if (sauve) Fenetre->Prog().Doc.EnregistrementReussi = false;
    const int voie = Tirage(3);
    if (voie == 1 && bouton != nullptr && bouton->isVisible()) {
        Note("bouton " + bouton->accessibleName());
        Clique(bouton, bouton->rect().center(), false);
    } else if (voie == 2 && !action->shortcut().isEmpty()) {
        QWidget* cible = QApplication::focusWidget() ? QApplication::focusWidget() : Fenetre.get();
        Note("raccourci " + action->shortcut().toString());
        QTest::keySequence(cible, action->shortcut());
    } else {
        Note("commande " + action->objectName());
        action->trigger();
    }
    if (sauve) VerifieEnregistrement(a);
}

void SessionAleatoire::Historique() {
    const int n = 1 + Tirage(4);
    QAction* entree = Fenetre->HistoriqueQt(n);
    if (!entree->isVisible()) return;
    Note("fichier récent " + entree->text());
    entree->trigger();
}

void SessionAleatoire::FermeFenetre() {
    Note("ferme la fenêtre");
    Fenetre->Prog().Doc.EnregistrementReussi = false;
    Fenetre->close();
    VerifieEnregistrement(Action::FileExit1);
}

void SessionAleatoire::Defile() {
    ZonePage& zone = Fenetre->Zone();
    QScrollBar* barre = Pile(2) ? zone.VerticalBar : zone.HorizontalBar;
    if (Pile(4)) {
        const int crans = (Tirage(5) - 2) * 120;
        Note(QString("molette %1").arg(crans));
        const QPointF centre = zone.rect().center();
        QWheelEvent molette(centre, zone.mapToGlobal(centre), QPoint(), QPoint(0, crans),
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&zone, &molette);
        return;
    }
    if (!barre->isVisible()) return;
    if (Pile(3)) {
        const int position = barre->minimum() + Tirage(barre->maximum() - barre->minimum() + 1);
        Note(QString("barre tirée à %1").arg(position));
        barre->setSliderPosition(position);
        return;
    }
    static constexpr QAbstractSlider::SliderAction Actions[] = {
        QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
        QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
        QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
    const QAbstractSlider::SliderAction action =
        Actions[Tirage(static_cast<int>(std::size(Actions)))];
    Note(QString("barre, action %1").arg(action));
    barre->triggerAction(action);
}

void SessionAleatoire::Redimensionne() {
    const int largeur = 250 + Tirage(1100);
    const int hauteur = 200 + Tirage(1000);
    Note(QString("fenêtre en %1 x %2").arg(largeur).arg(hauteur));
    Fenetre->resize(largeur, hauteur);
    QApplication::processEvents();
}

void SessionAleatoire::VerifieEnregistrement(Action a) {
    const Programme& p = Fenetre->Prog();
    if (p.Doc.EnregistrementReussi) {
        Note("relit " + QString::fromStdString(p.Doc.NomFichier));
        const std::string ecart = EcartRelecture(p.Doc);
        if (!ecart.empty()) {
            Faute = std::string(Description(a).Nom) + " de " + p.Doc.NomFichier + " : " + ecart;
            return;
        }
    }
    if (p.Etat.Fermeture) ApresFermeture();
}

void SessionAleatoire::ApresFermeture() {
    Note("le programme s'est terminé");
    Fenetre.reset();
    // The program asked the application to quit; the next run starts a new loop, which
    // clears that request, as starting the program again would.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    NouvelleFenetre();
}

} // namespace tarvo::test
