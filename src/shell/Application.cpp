#include "shell/Application.h"

#include "app/Noms.h"
#include "shell/FenetrePrincipale.h"
#include "shell/Traducteur.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QTimer>

#include <string>
#include <vector>

namespace tarvo {

int LanceFenetre(int& argc, char** argv, const Traducteur& traducteur,
                 const std::function<void(FenetrePrincipale&)>& affichee) {
    QApplication application(argc, argv);
    traducteur.Installe(application);
    QApplication::setApplicationName("Tarvo");
    // The desktop matches the window with its entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName("fr.tarvo.Tarvo");
    // The pages and the controls ask for Arial; Liberation Sans has its metrics.
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Tahoma", "DejaVu Sans");

    // Qt has taken its own options out of the arguments; the rest name the document.
    const std::vector<std::string> arguments = ArgumentsAbsolus(
        std::vector<std::string>(argv + 1, argv + argc), QDir::currentPath().toStdString());
    FenetrePrincipale fenetre(&traducteur);
    fenetre.Demarre(arguments);
    fenetre.show();
    if (affichee) QTimer::singleShot(0, &fenetre, [&fenetre, &affichee] { affichee(fenetre); });
    return QApplication::exec();
}

} // namespace tarvo
