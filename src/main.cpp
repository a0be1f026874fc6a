#include "app/Langue.h"
#include "app/MoyenneEnCours.h"
#include "cli/DialoguesEnregistres.h"
#include "cli/LigneCommande.h"
#include "cli/MessagesCli.h"
#include "cli/Ouverture.h"
#include "document/Document.h"
#include "pages/commun/IdentifiantsPages.h"
#include "platform/Traduction.h"
#include "posix/FichiersPosix.h"
#include "posix/SystemePosix.h"
#include "shell/Application.h"
#include "shell/RenduSansFenetre.h"
#include "shell/SystemeQt.h"
#include "shell/Traducteur.h"

#include <QtGlobal>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// tarvo --pdf / --png: a page of a document drawn without a window.
int RendPage(const tarvo::OptionsCli& options, const tarvo::Traducteur& traducteur) {
    tarvo::SystemeQt systeme(&traducteur);
    if (!tarvo::IdentifiantPage(options.Page)) {
        std::cerr << tarvo::AvecPrefixe(
                         systeme, tarvo::Remplace(systeme.Traduit("Commande", "page inconnue : %1"),
                                                  {options.Page}))
                  << "\n"
                  << tarvo::UsageCli(systeme);
        return 2;
    }
    tarvo::FichiersPosix fichiers;
    tarvo::DialoguesEnregistres dialogues;
    tarvo::Document doc;
    const bool ouvert = tarvo::OuvreDocumentSansFenetre(doc, options.Fichier, systeme.Aujourdhui(),
                                                        options.Serie, fichiers, dialogues, &systeme);
    tarvo::EcritMessages(dialogues.Messages, systeme, std::cerr);
    if (!ouvert) return 1;
    std::optional<tarvo::MoyenneEnCours> moyenne;
    if (options.Moyenne) {
        tarvo::ChoixMoyenne choix = tarvo::MoyenneDesSeries(
            tarvo::SeriesDuFichier(fichiers, doc.NomFichier), *options.Moyenne, systeme);
        if (!choix.Moyenne) {
            std::cerr << tarvo::AvecPrefixe(systeme, choix.Erreur) << "\n";
            return 1;
        }
        moyenne = std::move(choix.Moyenne);
    }
    const auto format = options.ModeCli == tarvo::OptionsCli::Mode::Pdf ? tarvo::FormatRendu::Pdf
                                                                        : tarvo::FormatRendu::Png;
    tarvo::EtatPages::ReglagesOmbres ombres;
    if (options.ZoneCouteau && *options.ZoneCouteau > tarvo::ZonesUtilisees(doc)) {
        std::cerr << tarvo::AvecPrefixe(
                         systeme,
                         tarvo::Remplace(systeme.Traduit("Commande", "--zone %1 : la série n'a que "
                                                                     "%2 zones."),
                                         {std::to_string(*options.ZoneCouteau),
                                          std::to_string(tarvo::ZonesUtilisees(doc))}))
                  << "\n";
        return 1;
    }
    if (options.ZoneCouteau) ombres.Zone = *options.ZoneCouteau;
    if (options.LignesParPouce) ombres.LignesParPouce = *options.LignesParPouce;
    if (options.Decalage) ombres.Decalage = *options.Decalage;
    const tarvo::ResultatRendu rendu = tarvo::RendPageSansFenetre(
        doc, systeme, options.Page, format, options.Sortie, moyenne ? &*moyenne : nullptr, ombres);
    if (!rendu.Reussi) {
        std::cerr << tarvo::AvecPrefixe(systeme, rendu.Message) << "\n";
        return 1;
    }
    return 0;
}

// A window needs a display, unless a Qt platform was chosen explicitly (offscreen ...).
bool AffichageDisponible() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* valeur = std::getenv(variable); valeur != nullptr && valeur[0] != '\0')
            return true;
    return false;
}

// Qt's own diagnostics that only repeat what the program says in its own words, or that the
// headless runs do not concern: the runtime folder of a session without one, a painter that
// could not begin on a file that cannot be written. Everything else goes through.
void FiltreDiagnostics(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    for (const char* debut : {"QStandardPaths: XDG_RUNTIME_DIR not set", "QPainter::begin",
                              "QPainter::end", "QPainter::setRenderHint", "QPainter::save",
                              "QPainter::restore"})
        if (message.startsWith(QLatin1String(debut))) return;
    qt_message_output(type, contexte, message);
}

// `--langue` without fr or en, in the language chosen otherwise.
std::string RefusLangue(tarvo::Systeme& systeme, const std::string& valeur) {
    if (valeur.empty()) return systeme.Traduit("Commande", "--langue demande fr ou en");
    return tarvo::Remplace(
        systeme.Traduit("Commande", "--langue demande fr ou en (et non « %1 »)"), {valeur});
}

// What a headless command printed, written whole on standard output at its end: a write
// that fails (a full disk, a closed output) is reported and ends the program with 1.
int Publie(const std::string& texte, int statut, tarvo::Systeme& systeme) {
    return tarvo::StatutApresSortie(statut, tarvo::EcritDescripteur(STDOUT_FILENO, texte),
                                    systeme, std::cerr);
}

} // namespace

int main(int argc, char* argv[]) {
    const tarvo::ChoixLangue langue =
        tarvo::ChoisitLangue(std::vector<std::string>(argv + 1, argv + argc), std::getenv("LC_ALL"),
                             std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    const std::vector<std::string>& arguments = langue.Arguments;
    const tarvo::Traducteur traducteur(langue.Choisie);
    tarvo::SystemePosix posix;
    tarvo::SystemeTraduit systeme(posix, traducteur);
    if (langue.Refusee) {
        std::cerr << tarvo::AvecPrefixe(systeme, RefusLangue(systeme, *langue.Refusee)) << "\n"
                  << tarvo::UsageCli(systeme);
        return 2;
    }
    for (const std::string& a : arguments) {
        if (a == "--help" || a == "-h") return Publie(tarvo::UsageCli(systeme), 0, systeme);
        if (a == "--version" || a == "-V")
            return Publie(std::string("tarvo ") + TARVO_VERSION + "\n", 0, systeme);
    }
    const tarvo::AnalyseCli analyse = tarvo::AnalyseLigneCommande(arguments, systeme);
    if (!analyse.SansFenetre) {
        if (!AffichageDisponible()) {
            std::cerr << tarvo::AvecPrefixe(
                             systeme,
                             systeme.Traduit("Commande",
                                             "pas d'affichage graphique pour ouvrir la fenêtre ; "
                                             "--pdf et --png dessinent une page sans fenêtre."))
                      << "\n"
                      << tarvo::UsageCli(systeme);
            return 1;
        }
        // The window's arguments without the language option.
        std::vector<std::string> restes{argv[0]};
        restes.insert(restes.end(), arguments.begin(), arguments.end());
        std::vector<char*> pointeurs;
        for (std::string& r : restes) pointeurs.push_back(r.data());
        pointeurs.push_back(nullptr);
        int n = static_cast<int>(restes.size());
        return tarvo::LanceFenetre(n, pointeurs.data(), traducteur);
    }
    qInstallMessageHandler(FiltreDiagnostics);
    if (!analyse.Options) {
        std::cerr << tarvo::AvecPrefixe(systeme, analyse.Erreur) << "\n"
                  << tarvo::UsageCli(systeme);
        return 2;
    }
    tarvo::FichiersPosix fichiers;
    const tarvo::RefusCli refus = tarvo::VerifieDocument(*analyse.Options, fichiers, systeme);
    if (refus.Code != 0) {
        std::cerr << tarvo::AvecPrefixe(systeme, refus.Message) << "\n";
        if (refus.Code == 2) std::cerr << tarvo::UsageCli(systeme);
        return refus.Code;
    }
    const auto mode = analyse.Options->ModeCli;
    if (mode == tarvo::OptionsCli::Mode::Pdf || mode == tarvo::OptionsCli::Mode::Png)
        return RendPage(*analyse.Options, traducteur);
    std::ostringstream sortie;
    tarvo::ContexteCli contexte{fichiers, systeme, sortie, std::cerr};
    const int statut = tarvo::ExecuteCommande(*analyse.Options, contexte);
    return Publie(sortie.str(), statut, systeme);
}
