// The program reads the document's file through the places of its series noted at the open:
// each step still shows what the file holds now, and the history's lines come from the text
// they were reduced from, never from an older one.

#include "BancProgramme.h"
#include "app/Commandes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tarvo::test {
namespace {

using A = Action;

// Background work that runs only when the test says so.
struct CalculsManuels : CalculsDeFond {
    void Lance(std::function<void()> travail, std::function<void()> termine) override {
        Travaux.push_back({std::move(travail), std::move(termine)});
    }
    std::vector<std::pair<std::function<void()>, std::function<void()>>> Travaux;
};

const std::string Nom = "/miroirs/suivi.bdc";

// `texte` with its first `avant` replaced by `apres`.
std::string Change(std::string texte, const std::string& avant, const std::string& apres) {
    texte.replace(texte.find(avant), avant.size(), apres);
    return texte;
}

// A six-series document opened, its history prepared in the background.
struct LectureIndexee : ::testing::Test {
    LectureIndexee() {
        p.SeriesHistorique.FixeCalculs(&calculs);
        FormCreate(p, {});
        banc.fichiers.Contenus[Nom] = DocumentDeSeries(6);
        banc.dialogues.FichiersChoisis.push_back(Nom);
        FileOpen1Execute(p);
        ExecuteAction(p, A::BulletinDeControle);
    }
    std::string& Fichier() { return banc.fichiers.Contenus[Nom]; }
    std::vector<std::string> Commentaires() {
        std::vector<std::string> c;
        for (const ResumeSerie& r : p.SeriesHistorique.Series(p.Doc))
            c.push_back(r.Commentaire);
        return c;
    }

    BancProgramme banc;
    Programme& p = banc.programme;
    CalculsManuels calculs;
};

TEST_F(LectureIndexee, ChaquePasMontreCeQueLeFichierContientMaintenant) {
    ASSERT_EQ(p.Doc.NombreSeries, 6);
    const std::string origine = Fichier();
    // Each change made behind the program's back, then a step to a series: what that series
    // shows, and the mirror's name.
    const struct {
        const char* Quoi;
        std::string Fichier;
        int Serie;
        std::string Commentaire, Intitule;
    } cas[] = {
        {"rien", origine, 4, "Série 4", "Essai"},
        {"un commentaire de même longueur", Change(origine, "Série 2", "Serie 2"), 2, "Serie 2",
         "Essai"},
        {"une série plus haut allongée", Change(origine, "Série 1", "Série un"), 5, "Série 5",
         "Essai"},
        {"le nom du miroir", Change(origine, "\"Essai\"", "\"Autre\""), 3, "Série 3", "Autre"},
        {"une série ajoutée", DocumentDeSeries(7), 6, "Série 6", "Essai"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.Quoi);
        Fichier() = c.Fichier;
        OuvreSerieHistorique(p, c.Serie);
        EXPECT_EQ(p.Doc.SerieCourante, c.Serie);
        EXPECT_EQ(p.Doc.Note, c.Commentaire);
        EXPECT_EQ(p.Doc.Intitule, c.Intitule);
        EXPECT_EQ(p.Doc.NombreSeries, 6);
        EXPECT_TRUE(banc.dialogues.Messages.empty());
    }
}

TEST_F(LectureIndexee, LHistoriqueVientDuTexteDontSesLignesSontReduites) {
    // The open launched the reduction of every series; the file changes before it is done.
    ASSERT_EQ(calculs.Travaux.size(), 1u);
    Fichier() = Change(Fichier(), "Série 3", "Série 3 revue");
    ExecuteAction(p, A::PageMoins);
    ASSERT_EQ(p.Doc.SerieCourante, 5);
    calculs.Travaux[0].first();
    calculs.Travaux[0].second();
    const std::vector<std::string> attendus = {"Série 1", "Série 2", "Série 3 revue",
                                               "Série 4", "Série 5", "Série 6"};
    EXPECT_EQ(Commentaires(), attendus);
    // A later change reaches the one line it touches.
    Fichier() = Change(Fichier(), "Série 5", "Série 5 bis");
    std::vector<std::string> apres = attendus;
    apres[4] = "Série 5 bis";
    EXPECT_EQ(Commentaires(), apres);
    // Gone from the disk: the series in memory alone.
    ExecuteAction(p, A::PagePlus);
    banc.fichiers.Contenus.erase(Nom);
    EXPECT_EQ(Commentaires(), std::vector<std::string>{"Série 6"});
}

} // namespace
} // namespace tarvo::test
