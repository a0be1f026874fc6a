#include "BancPage.h"
#include "pages/commun/SourceHistorique.h"
#include "pages/graphes/GraphesHistorique.h"
#include "pages/historique/PageHistorique.h"

#include <algorithm>

namespace tarvo::test {
namespace {

using G = Trace::Genre;

// Lines given as they are.
struct SourceFixe : SourceHistorique {
    const std::vector<ResumeSerie>& Series(const Document&) override { return Lignes; }
    std::vector<ResumeSerie> Lignes;
};

ResumeSerie Ligne(int numero, double date, double ecart) {
    ResumeSerie r;
    r.Numero = numero;
    r.Date = date;
    r.Diametre = 200;
    r.Lectures = 40;
    r.Etat = EtatReduction::Calculee;
    r.EcartMax = ecart;
    r.FractionLambda = 560 / ecart;
    r.EcartRMS = ecart / 4;
    r.Strehl = 0.9;
    r.Conique = -1;
    r.Commentaire = "Série " + std::to_string(numero);
    r.NombreZones = 2;
    r.Hm = {0, 30, 80};
    r.EcartLongitudinal = {0, 0.02, -0.01};
    return r;
}

struct Historique : BancPage {
    Historique() {
        doc.Diametre = doc.DiametreSerie = 200;
        doc.Focale = doc.FocaleSerie = 1200;
        etat.Historique = &source;
    }
    std::vector<std::string> Dessine() {
        surface.Ecran.Traces.clear();
        ContextePage page = Contexte();
        AfficheHistorique(page);
        return surface.Ecran.Textes();
    }
    static bool A(const std::vector<std::string>& t, std::string_view texte) {
        return std::find(t.begin(), t.end(), texte) != t.end();
    }
    SourceFixe source;
};

// The ε graph runs along the dates while each series has its own day, along the numbers
// when two share one.
TEST_F(Historique, EcartsSelonLaDateOuLeNumero) {
    source.Lignes = {Ligne(1, 46300, 120), Ligne(2, 46310, 60), Ligne(3, 46320, 20)};
    auto t = Dessine();
    EXPECT_TRUE(A(t, systeme.DateCourte(46300)) && A(t, systeme.DateCourte(46320)));
    EXPECT_FALSE(A(t, "N°2"));
    EXPECT_TRUE(A(t, "λ/8") && !A(t, "λ/4"));
    source.Lignes[2].Date = 46310;
    t = Dessine();
    EXPECT_TRUE(A(t, "N°1") && A(t, "N°3"));
    // The legend of the zone graph names each of the last series.
    EXPECT_TRUE(A(t, "Série 3 (" + systeme.DateCourte(46310) + ")"));
}

// Paper: the title, every line with the mean's last, the footer under the graphs.
TEST_F(Historique, PapierAvecLaLigneDeLaMoyenne) {
    source.Lignes = {Ligne(1, 46300, 120), Ligne(2, 46310, 60)};
    MoyenneAffichee moyenne{"Moyenne des séries 1, 2", {}, Ligne(0, 46310, 50)};
    etat.Moyenne = &moyenne;
    modeImpression = true;
    Dessine();
    ASSERT_TRUE(surface.Papier);
    const auto p = surface.Papier->Textes();
    EXPECT_EQ(p.front(), "Historique du miroir parabolique");
    const auto serie2 = std::find(p.begin(), p.end(), "Série 2");
    const auto libelle = std::find(p.begin(), p.end(), "Moyenne des séries 1, 2");
    ASSERT_NE(libelle, p.end());
    EXPECT_LT(serie2, libelle);
    EXPECT_TRUE(A(p, "Moy."));
    EXPECT_EQ(p.back(), "Document réalisé avec le logiciel TARVO - https://www.tarvo.fr");
    // On screen each line has its box, the mean's with -1.
    ASSERT_EQ(etat.LignesHistorique.size(), 3u);
    EXPECT_EQ(etat.LignesHistorique.back().first, -1);
}

// A dash pattern draws its dashes, in their share of the line.
TEST(TraitMotif, LesTiretsDansLeurProportion) {
    CanvasEnregistreur c(200, 100, 96);
    double phase = 0;
    TraitMotif(c, 0, 10, 110, 10, MotifTrait(1), 1, phase);
    int encre = 0;
    for (const Trace& t : c.DuGenre(G::Ligne)) encre += t.X2 - t.X1;
    EXPECT_EQ(c.DuGenre(G::Ligne).size(), 10u);
    EXPECT_NEAR(encre, 70, 2);
    EXPECT_DOUBLE_EQ(phase, 110);
}

} // namespace
} // namespace tarvo::test
