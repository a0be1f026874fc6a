#include "app/cli/LigneCommande.h"
#include "platform/posix/FichiersPosix.h"
#include "platform/posix/SystemePosix.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const tarvo::AnalyseCli analyse = tarvo::AnalyseLigneCommande(arguments);
    if (!analyse.SansFenetre) {
        std::cerr << "L'interface graphique n'est pas encore disponible.\n" << tarvo::UsageCli();
        return 2;
    }
    if (!analyse.Options) {
        std::cerr << "tarvo : " << analyse.Erreur << "\n" << tarvo::UsageCli();
        return 2;
    }
    tarvo::FichiersPosix fichiers;
    tarvo::SystemePosix systeme;
    tarvo::ContexteCli contexte{fichiers, systeme, std::cout, std::cerr};
    return tarvo::ExecuteCommande(*analyse.Options, contexte);
}
