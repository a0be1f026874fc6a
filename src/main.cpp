#include "app/cli/DialoguesEnregistres.h"
#include "app/cli/LigneCommande.h"
#include "app/cli/Ouverture.h"
#include "document/Document.h"
#include "pages/IdentifiantsPages.h"
#include "platform/posix/FichiersPosix.h"
#include "platform/posix/SystemePosix.h"
#include "platform/qt/Application.h"
#include "platform/qt/RenduSansFenetre.h"
#include "platform/qt/SystemeQt.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

// tarvo --pdf / --png: a page of a document drawn without a window.
int RendPage(const tarvo::OptionsCli& options) {
    if (!tarvo::IdentifiantPage(options.Page)) {
        std::cerr << "tarvo : page inconnue : " << options.Page << "\n" << tarvo::UsageCli();
        return 2;
    }
    tarvo::FichiersPosix fichiers;
    tarvo::SystemeQt systeme;
    tarvo::DialoguesEnregistres dialogues;
    tarvo::Document doc;
    const bool ouvert = tarvo::OuvreDocumentSansFenetre(doc, options.Fichier, systeme.Aujourdhui(),
                                                        options.Serie, fichiers, dialogues);
    for (const auto& message : dialogues.Messages)
        std::cerr << (message.Titre.empty() ? "" : message.Titre + " : ") << message.Texte << "\n";
    if (!ouvert) return 1;
    const auto format = options.ModeCli == tarvo::OptionsCli::Mode::Pdf ? tarvo::FormatRendu::Pdf
                                                                        : tarvo::FormatRendu::Png;
    const tarvo::ResultatRendu rendu =
        tarvo::RendPageSansFenetre(doc, systeme, options.Page, format, options.Sortie);
    if (!rendu.Reussi) {
        std::cerr << "tarvo : " << rendu.Message << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const tarvo::AnalyseCli analyse = tarvo::AnalyseLigneCommande(arguments);
    if (!analyse.SansFenetre) return tarvo::LanceFenetre(argc, argv);
    if (!analyse.Options) {
        std::cerr << "tarvo : " << analyse.Erreur << "\n" << tarvo::UsageCli();
        return 2;
    }
    const auto mode = analyse.Options->ModeCli;
    if (mode == tarvo::OptionsCli::Mode::Pdf || mode == tarvo::OptionsCli::Mode::Png)
        return RendPage(*analyse.Options);
    tarvo::FichiersPosix fichiers;
    tarvo::SystemePosix systeme;
    tarvo::ContexteCli contexte{fichiers, systeme, std::cout, std::cerr};
    return tarvo::ExecuteCommande(*analyse.Options, contexte);
}
