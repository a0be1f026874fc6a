// The program started as a process, to its first page painted in the main window, then
// ended: the same start as `tarvo DOCUMENT` (Qt application, window, settings, document,
// first page). Prints the page's size and the peak resident memory of the process. With
// --gros [N], the document is one of 1,000 series (or N) written first into a temporary file.
//
// Run it with QT_QPA_PLATFORM=offscreen; bench/processus.sh times it over several runs.

#include "GrosDocument.h"
#include "app/Programme.h"
#include "shell/Application.h"
#include "shell/FenetrePrincipale.h"
#include "shell/Traducteur.h"
#include "shell/ZonePage.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Peak resident memory of this process, in kilobytes.
long MemoireMaximale() {
    std::ifstream etat("/proc/self/status");
    std::string ligne;
    while (std::getline(etat, ligne))
        if (ligne.rfind("VmHWM:", 0) == 0) return std::stol(ligne.substr(6));
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    std::string document = std::string(TARVO_SOURCE_DIR) + "/examples/miroir-200-f6.bdc";
    if (argc > 1 && std::string(argv[1]) == "--gros") {
        // Written once: its writing is not the start being measured.
        const int series = argc > 2 ? std::atoi(argv[2]) : tarvo::bench::Series;
        document = "/tmp/tarvo-bench-" + std::to_string(series) + "-series.bdc";
        if (!std::ifstream(document))
            std::ofstream(document, std::ios::binary) << tarvo::bench::GrosDocument(series);
        arguments.erase(arguments.begin() + 1, arguments.begin() + (argc > 2 ? 3 : 2));
    }
    arguments.insert(arguments.begin() + 1, document.data());
    arguments.push_back(nullptr);
    int n = static_cast<int>(arguments.size()) - 1;
    const tarvo::Traducteur francais(tarvo::Langue::Francais);
    return tarvo::LanceFenetre(n, arguments.data(), francais,
                               [](tarvo::FenetrePrincipale& fenetre) {
        const QPixmap page = fenetre.Zone().Fenetre->grab();
        std::cout << "page " << page.width() << "x" << page.height() << ", series "
                  << fenetre.Prog().Doc.NombreSeries << ", memoire_max_ko " << MemoireMaximale()
                  << std::endl;
        // The settings are the user's: the measure leaves without writing them.
        fenetre.Prog().Etat.Fermeture = true;
        QApplication::exit(0);
    });
}
