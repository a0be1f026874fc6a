#include "BancProgramme.h"
#include "app/Commandes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

namespace tarvo::test {
namespace {

using A = Action;

// Background work that runs only when the test says so.
struct CalculsManuels : CalculsDeFond {
    void Lance(std::function<void()> travail, std::function<void()> termine) override {
        Travaux.push_back({std::move(travail), std::move(termine)});
    }
    void Termine(std::size_t i) {
        Travaux.at(i).first();
        Travaux.at(i).second();
    }
    std::vector<std::pair<std::function<void()>, std::function<void()>>> Travaux;
};

// The example (three series, ten lines on each diameter) opened in the program, its
// bootstrap computed in the background.
struct AnalyseFond : ::testing::Test {
    AnalyseFond() {
        p.Incertitudes.FixeCalculs(&calculs);
        FormCreate(p, {});
        std::ifstream exemple(TARVO_SOURCE_DIR "/examples/miroir-200-f6.bdc", std::ios::binary);
        banc.fichiers.Contenus[Nom] = std::string(std::istreambuf_iterator<char>(exemple), {});
        banc.dialogues.FichiersChoisis.push_back(Nom);
        FileOpen1Execute(p);
        banc.surface.Ecran.Traces.clear();
    }
    // Does the page show this text now (since the last look)?
    bool Montre(std::string_view texte) {
        const auto t = banc.surface.Ecran.Textes();

        banc.surface.Ecran.Traces.clear();
        return std::find(t.begin(), t.end(), texte) != t.end();
    }

    const std::string Nom = "/miroirs/miroir.bdc";
    BancProgramme banc;
    Programme& p = banc.programme;
    CalculsManuels calculs;
};

// The figures show at once, the σ when their work comes back; browsing asks for the series
// shown, a series seen before comes back at once, a late result never shows on another series.
TEST_F(AnalyseFond, LesFiguresAussitotLesIncertitudesQuandElLesArrivent) {
    ExecuteAction(p, A::Analyse);
    EXPECT_EQ(p.Etat.PageCourante, "Analyse");
    EXPECT_EQ(banc.surface.Controles[Controle::UpNeutre].Visible, true);
    EXPECT_TRUE(Montre("12,8 nm = λ/44"));
    AffichePage(p);
    EXPECT_TRUE(Montre("en calcul"));
    ASSERT_EQ(calculs.Travaux.size(), 1u) << "a redraw does not ask again";

    // With its σ, each value is rounded where its σ is.
    calculs.Termine(0);
    EXPECT_TRUE(Montre("12,82 nm = λ/44"));
    AffichePage(p);
    EXPECT_TRUE(Montre("± 0,21 nm"));

    ExecuteAction(p, A::PageMoins);
    EXPECT_EQ(p.Doc.SerieCourante, 2);
    EXPECT_TRUE(Montre("en calcul"));
    ASSERT_EQ(calculs.Travaux.size(), 2u);
    ExecuteAction(p, A::PagePlus);
    EXPECT_EQ(p.Doc.SerieCourante, 3);
    EXPECT_TRUE(Montre("± 0,21 nm"));
    EXPECT_EQ(calculs.Travaux.size(), 2u);
    calculs.Termine(1);
    EXPECT_TRUE(Montre("± 0,21 nm"));

    // A result that arrives on another page is kept, that page left as it is.
    ExecuteAction(p, A::PageMoins);
    EXPECT_EQ(calculs.Travaux.size(), 2u);
    ExecuteAction(p, A::PageMoins);
    ASSERT_EQ(calculs.Travaux.size(), 3u);
    ExecuteAction(p, A::BulletinDeControle);
    banc.surface.Ecran.Traces.clear();
    calculs.Termine(2);
    EXPECT_FALSE(Montre("Grandeur"));
    EXPECT_EQ(p.Etat.PageCourante, "Bulletin");
    ExecuteAction(p, A::Analyse);
    EXPECT_FALSE(Montre("en calcul"));
    EXPECT_EQ(calculs.Travaux.size(), 3u);
}

} // namespace
} // namespace tarvo::test
