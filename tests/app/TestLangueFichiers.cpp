#include "BancProgramme.h"
#include "app/Commandes.h"

#include <gtest/gtest.h>

namespace tarvo::test {
namespace {

// What the program writes, its documents and its settings, is the same whatever the language
// of its interface: a mean saved as a new series (its comment names its sources), the
// settings written at exit.
TEST(LangueFichiers, LesFichiersNeDependentPasDeLaLangue) {
    const std::string nom = "/miroirs/essai.bdc";
    auto session = [&nom](const std::string& langue) {
        BancProgramme banc;
        banc.systeme.Langue = langue;
        Programme& p = banc.programme;
        FormCreate(p, {});
        banc.fichiers.Contenus[nom] = DocumentDeSeries(3);
        banc.dialogues.FichiersChoisis.push_back(nom);
        FileOpen1Execute(p);
        banc.dialogues.ListesChoisies = {std::vector<int>{0, 2}};
        ExecuteAction(p, Action::MoyenneSeries);
        ExecuteAction(p, Action::EnregistreMoyenne);
        FileSave1Execute(p);
        EXPECT_TRUE(p.Doc.EnregistrementReussi) << langue;
        banc.dialogues.Reponses = {Reponse::Non};
        FileExit1Execute(p);
        return banc.fichiers.Contenus;
    };
    const auto francais = session("");
    const auto autre = session("[en] ");
    EXPECT_EQ(autre, francais);
    ASSERT_EQ(francais.count("/config/Tarvo.ini"), 1u);
    const std::string& document = francais.at(nom);
    EXPECT_NE(document.find("Moyenne des s"), std::string::npos);
}

} // namespace
} // namespace tarvo::test
