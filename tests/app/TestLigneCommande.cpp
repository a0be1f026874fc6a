#include "BancProgramme.h"
#include "app/Langue.h"
#include "cli/LigneCommande.h"

#include <gtest/gtest.h>

namespace tarvo::test {
namespace {

// The language: the option first, then LC_ALL, LC_MESSAGES and LANG, the first one set.
TEST(LigneCommande, LangueDuSystemeOuDeLOption) {
    using V = std::vector<std::string>;
    const struct {
        V Arguments;
        const char *Tout, *Messages, *Lang;
        Langue Attendue;
        V Restes;
        bool Erreur;
    } cas[] = {
        {{"a.bdc"}, nullptr, nullptr, "en_GB.UTF-8", Langue::Anglais, {"a.bdc"}, false},
        {{}, nullptr, nullptr, "C", Langue::Francais, {}, false},
        {{}, nullptr, nullptr, nullptr, Langue::Francais, {}, false},
        {{}, "fr_FR.UTF-8", "en_US", "en_US", Langue::Francais, {}, false},
        {{}, "", "en_US", "fr_FR", Langue::Anglais, {}, false},
        {{"--langue", "fr", "--json", "x"}, nullptr, nullptr, "en_US", Langue::Francais,
         {"--json", "x"}, false},
        {{"--langue=en", "x"}, nullptr, nullptr, "C", Langue::Anglais, {"x"}, false},
        {{"--langue", "de"}, nullptr, nullptr, nullptr, Langue::Francais, {}, true},
        {{"--langue"}, nullptr, nullptr, nullptr, Langue::Francais, {}, true},
    };
    for (const auto& c : cas) {
        const ChoixLangue choix = ChoisitLangue(c.Arguments, c.Tout, c.Messages, c.Lang);
        EXPECT_EQ(choix.Choisie, c.Attendue) << (c.Arguments.empty() ? "" : c.Arguments[0]);
        EXPECT_EQ(choix.Arguments, c.Restes);
        EXPECT_EQ(choix.Refusee.has_value(), c.Erreur);
    }
}

// What is refused before a command runs, and with which status; a path with blanks split in
// several arguments is taken whole when that file exists.
TEST(LigneCommande, DocumentVerifieAvantLaCommande) {
    FichiersMemoire fichiers;
    fichiers.Contenus["/m/trois.bdc"] = DocumentDeSeries(3);
    fichiers.Contenus["/m/vide.bdc"] = DocumentDeSeries(0);
    fichiers.Contenus["/m/mon miroir.bdc"] = DocumentDeSeries(1);
    fichiers.Natures["/m"] = NatureChemin::Dossier;
    fichiers.Natures["/m/prive.bdc"] = NatureChemin::Illisible;
    const struct {
        std::vector<std::string> Arguments;
        int Code;
        std::string Message;
    } cas[] = {
        {{"--json", "/m/trois.bdc"}, 0, ""},
        {{"--json", "--series", "3", "/m/trois.bdc"}, 0, ""},
        {{"--csv", "--series", "4", "/m/trois.bdc"}, 1, "--series 4 : le document n'a que 3 séries"},
        {{"--json", "--series", "2", "/m/vide.bdc"}, 1, "--series 2 : le document n'a aucune série"},
        {{"--json", "--series", "2", "/m/mon", "miroir.bdc"}, 1,
         "--series 2 : le document n'a qu'une série"},
        {{"--json", "/m/trois.bdc", "/m/vide.bdc"}, 2,
         "un seul document à la fois (2 donnés : /m/trois.bdc, /m/vide.bdc)"},
        {{"--json", "/m"}, 1, "« /m » est un dossier, pas un document"},
        {{"--pdf", "o.pdf", "--page", "bulletin", "/m/prive.bdc"}, 1, "« /m/prive.bdc » : lecture refusée"},
        // A missing file is the command's to report, as the Open command does.
        {{"--json", "/m/absent.bdc"}, 0, ""},
    };
    SystemeFixe systeme;
    for (const auto& c : cas) {
        const AnalyseCli analyse = AnalyseLigneCommande(c.Arguments, systeme);
        ASSERT_TRUE(analyse.Options) << analyse.Erreur;
        const RefusCli refus = VerifieDocument(*analyse.Options, fichiers, systeme);
        EXPECT_EQ(refus.Code, c.Code) << c.Arguments.back();
        EXPECT_EQ(refus.Message, c.Message);
    }
}

} // namespace
} // namespace tarvo::test
