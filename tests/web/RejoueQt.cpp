// The desktop's answer to a typing script: the real main window (Qt, offscreen) receives the
// script's keys, commands and clicks as a user gives them; every question is answered with
// its default button, the save dialog with the script's name. The browser test plays the
// same script in the web page and compares the two documents saved.
//   tarvo_rejoue SCRIPT DOSSIER [DOCUMENT]
// starts the window on DOCUMENT when given, and writes every message box it answers on
// standard output ("TITLE|TEXT" a line). Script lines: "action NOM" (an action's name), "tape TEXTE" (characters typed in the
// focused control; \r is Enter), "touche NOM" (PageUp, PageDown, Up, Down, Left, Right,
// Ctrl+D, Ctrl+L), "clic X Y" (page pixels), "nom FICHIER" (the name the next save dialog
// gets, in DOSSIER), "ouvre CHEMIN" (the Open command, its dialog answered with CHEMIN).

#include "app/Actions.h"
#include "app/Programme.h"
#include "shell/FenetrePrincipale.h"
#include "shell/ZonePage.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

tarvo::Action ActionNommee(const std::string& nom) {
    for (std::size_t i = 0; i < tarvo::NombreActions; ++i)
        if (tarvo::Description(static_cast<tarvo::Action>(i)).Nom == nom)
            return static_cast<tarvo::Action>(i);
    std::fprintf(stderr, "action inconnue : %s\n", nom.c_str());
    std::exit(2);
}

// Every modal dialog answered as the script says: its default button, or the name given.
void RepondAuxDialogues(const QString& dossier, const QString* nom) {
    auto* minuterie = new QTimer(qApp);
    QObject::connect(minuterie, &QTimer::timeout, [dossier, nom] {
        QWidget* modale = QApplication::activeModalWidget();
        if (modale == nullptr) return;
        if (auto* boite = qobject_cast<QMessageBox*>(modale)) {
            std::printf("%s|%s\n", boite->windowTitle().toUtf8().constData(),
                        boite->text().toUtf8().constData());
            std::fflush(stdout);
            if (boite->defaultButton()) boite->defaultButton()->click();
            else boite->close();
        } else if (auto* fichier = qobject_cast<QFileDialog*>(modale)) {
            fichier->selectFile(nom->startsWith('/') ? *nom : dossier + "/" + *nom);
            QMetaObject::invokeMethod(fichier, "accept", Qt::QueuedConnection);
        }
    });
    minuterie->start(5);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage : tarvo_rejoue SCRIPT DOSSIER [DOCUMENT]\n");
        return 2;
    }
    QApplication application(argc, argv);
    QFont::insertSubstitution("Arial", "Liberation Sans");
    const QString dossier = QString::fromLocal8Bit(argv[2]);
    QString nom;
    RepondAuxDialogues(dossier, &nom);
    int code = 0;
    {
        tarvo::FenetrePrincipale fenetre;
        fenetre.Demarre(argc == 4 ? std::vector<std::string>{argv[3]} : std::vector<std::string>{});
        fenetre.show();
        QApplication::processEvents();
        std::ifstream script(argv[1]);
        std::string ligne;
        while (std::getline(script, ligne)) {
            const auto espace = ligne.find(' ');
            const std::string verbe = ligne.substr(0, espace);
            const std::string reste = espace == std::string::npos ? "" : ligne.substr(espace + 1);
            if (verbe == "action") {
                fenetre.ActionQt(ActionNommee(reste))->trigger();
            } else if (verbe == "nom") {
                nom = QString::fromStdString(reste);
            } else if (verbe == "ouvre") {
                nom = QString::fromStdString(reste);
                fenetre.ActionQt(tarvo::Action::FileOpen1)->trigger();
            } else if (verbe == "tape") {
                // Into the editor, clicked first when it has not the focus, as a user types
                // into the box shown (the browser's driver focuses it alike).
                QLineEdit* saisie = fenetre.Zone().Saisie;
                if (saisie->isVisible() && QApplication::focusWidget() != saisie) {
                    fenetre.activateWindow();
                    QApplication::setActiveWindow(&fenetre);
                    saisie->setFocus(Qt::MouseFocusReason);
                    QApplication::processEvents();
                }
                std::string morceau;
                auto envoie = [&morceau] {
                    if (!morceau.empty())
                        QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(morceau));
                    morceau.clear();
                };
                for (std::size_t i = 0; i < reste.size(); ++i) {
                    if (reste.compare(i, 2, "\\r") == 0) {
                        envoie();
                        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                        ++i;
                    } else {
                        morceau += reste[i];
                    }
                }
                envoie();
            } else if (verbe == "touche") {
                static const std::map<std::string, std::pair<Qt::Key, Qt::KeyboardModifiers>> touches{
                    {"PageUp", {Qt::Key_PageUp, {}}},   {"PageDown", {Qt::Key_PageDown, {}}},
                    {"Up", {Qt::Key_Up, {}}},           {"Down", {Qt::Key_Down, {}}},
                    {"Left", {Qt::Key_Left, {}}},       {"Right", {Qt::Key_Right, {}}},
                    {"Ctrl+D", {Qt::Key_D, Qt::ControlModifier}},
                    {"Ctrl+L", {Qt::Key_L, Qt::ControlModifier}}};
                const auto t = touches.find(reste);
                if (t == touches.end()) {
                    std::fprintf(stderr, "touche inconnue : %s\n", reste.c_str());
                    code = 2;
                    break;
                }
                QTest::keyClick(QApplication::focusWidget(), t->second.first, t->second.second);
            } else if (verbe == "clic") {
                int x = 0, y = 0;
                std::sscanf(reste.c_str(), "%d %d", &x, &y);
                QWidget* page = fenetre.Zone().Fenetre;
                QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(x, y));
            } else if (!verbe.empty() && verbe[0] != '#') {
                std::fprintf(stderr, "ligne inconnue : %s\n", ligne.c_str());
                code = 2;
                break;
            }
            QApplication::processEvents();
            if (std::getenv("TARVO_REJOUE_TRACE"))
                std::fprintf(stderr, "%s -> page %s, saisie %d, focus %s\n", ligne.c_str(),
                             fenetre.Prog().Etat.PageCourante.c_str(),
                             fenetre.Zone().Saisie->isVisible() ? 1 : 0,
                             QApplication::focusWidget()
                                 ? QApplication::focusWidget()->metaObject()->className()
                                 : "-");
        }
        fenetre.Prog().Etat.Fermeture = true;
    }
    return code;
}
