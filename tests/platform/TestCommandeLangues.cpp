#include "cli/LigneCommande.h"
#include "cli/MessagesCli.h"
#include "posix/FichiersPosix.h"
#include "shell/SystemeQt.h"
#include "shell/Traducteur.h"
#include "support/SystemeFixe.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

// The command line's usage and refusals speak the user's language: French as it always was,
// English from the built catalogue.
TEST(CommandeLangues, UsageEtRefus) {
    const Traducteur traducteur(Langue::Anglais);
    SystemeQt anglais(&traducteur);
    test::SystemeFixe francais;
    EXPECT_EQ(UsageCli(francais).rfind("Usage :\n  tarvo [FICHIER]   ", 0), 0u);
    EXPECT_EQ(UsageCli(anglais).rfind("Usage:\n  tarvo [FILE]   ", 0), 0u);
    EXPECT_EQ(AvecPrefixe(francais, "x"), "tarvo : x");
    EXPECT_EQ(AvecPrefixe(anglais, "x"), "tarvo: x");

    const std::string exemples = TARVO_SOURCE_DIR "/examples";
    const struct {
        std::vector<std::string> Arguments;
        std::string Francais, Anglais;
    } refus[] = {
        {{"--bogus"}, "option inconnue : --bogus", "unknown option: --bogus"},
        {{"--pdf"}, "--pdf demande un nom de fichier", "--pdf needs a file name"},
        {{"--json", "--overwrite", "a"},
         "--overwrite ne va qu'avec --save-as",
         "--overwrite can only be used with --save-as"},
        {{"--json", exemples},
         "« " + exemples + " » est un dossier, pas un document",
         "\"" + exemples + "\" is a folder, not a document"},
        {{"--json", "a", "b"},
         "un seul document à la fois (2 donnés : a, b)",
         "one document at a time (2 given: a, b)"},
        {{"--json", "--series", "9", exemples + "/miroir-200-f6.bdc"},
         "--series 9 : le document n'a que 3 séries",
         "--series 9: the document has only 3 series"},
    };
    FichiersPosix fichiers;
    for (const auto& r : refus)
        for (const auto& [systeme, attendu] :
             {std::pair<Systeme*, std::string>{&francais, r.Francais}, {&anglais, r.Anglais}}) {
            const AnalyseCli analyse = AnalyseLigneCommande(r.Arguments, *systeme);
            const std::string texte =
                analyse.Options ? VerifieDocument(*analyse.Options, fichiers, *systeme).Message
                                : analyse.Erreur;
            EXPECT_EQ(texte, attendu) << r.Arguments[0];
        }
}

} // namespace
} // namespace tarvo
