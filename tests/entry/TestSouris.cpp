#include "BancSaisie.h"
#include "entry/Clavier.h"
#include "entry/Placement.h"
#include "entry/Souris.h"

namespace tarvo::test {
namespace {

struct Souris : BancSaisie {
    void Clique(int x, int y) { FicheFenetreMouseUp(c, x, y); }
    void Clique(const Cadre& k) { Clique((k.Gauche + k.Droite) / 2, (k.Haut + k.Bas) / 2); }
    bool Visible() { return surface.Controles[Controle::Saisie].Visible; }
    // In the validation margin of line j of diameter d (11: the mean line), at x.
    void CliqueMarge(int ligne, int d, int x = 22) {
        const int rl = miseEnPage.HauteurLigneMesure;
        Clique(x, cadres.Cadres[d == 1 ? 1 : 3].Haut + ligne * rl + rl / 2);
    }
    std::string Drapeaux(std::size_t d) const {
        std::string drapeaux;
        for (std::size_t j = 1; j <= 10; ++j)
            drapeaux += doc.Lectures[0][j][d] > 0 ? '1' : '0';
        return drapeaux;
    }
};

TEST_F(Souris, LesCadresDesCaracteristiques) {
    AffichePage();
    const auto& k = cadres.Cadres;
    const auto& z = cadres.ColonnesZones;
    // The kind × 100 plus the zone placed, 0 when the editor is hidden.
    const auto verifie = [this](int x, int y, int attendu) {
        saisie.ChampCourant = Champ::Aucun, saisie.TexteRejete = true;
        Clique(x, y);
        const auto champ = static_cast<int>(saisie.ChampCourant);
        const int place = champ * 100 + (champ == 8 ? saisie.ZoneCourante : 0);
        EXPECT_EQ(std::tuple(place, Visible(), saisie.TexteRejete),
                  std::tuple(attendu, attendu != 0, attendu == 0))
            << x << "," << y;
    };
    const int boites[][2] = {{1, 100}, {2, 1200}, {3, 1300}, {4, 400},
                             {5, 500}, {6, 0},    {7, 600},  {8, 700}};
    for (const auto& [i, attendu] : boites) {
        const Cadre& b = k[static_cast<std::size_t>(i)];
        verifie((b.Gauche + b.Droite) / 2, (b.Haut + b.Bas) / 2, attendu);
    }
    verifie(cadres.CadreTrou.Gauche + 1, cadres.CadreTrou.Bas - 1, 1000);
    verifie(k[5].Gauche, k[5].Haut + 3, 0); // a border is outside
    // Zone 3, the last, takes no editor.
    const int zones[][3] = {{0, 1, 801}, {2, -1, 802}, {2, 0, 0}, {2, 5, 0}};
    for (const auto& [i, dx, attendu] : zones)
        verifie(z.Bords[static_cast<std::size_t>(i)] + dx, (z.Haut + z.Bas) / 2, attendu);
}

TEST_F(Souris, LesMargesDesGrilles) {
    // Lines 2, 4 and 5 of both diameters read, but zone 2 of line 5 of diameter 2.
    for (std::size_t j : {2, 4, 5})
        for (std::size_t z = 1; z <= 3; ++z)
            doc.Lectures[z][j][1] = doc.Lectures[z][j][2] = 1.5;
    doc.Lectures[2][5][2] = 0, Page = "Mesures";
    AffichePage();
    CliqueMarge(11, 1);
    EXPECT_EQ(Drapeaux(1), "0000000000");
    Page = "EditionMesures";
    CliqueMarge(4, 2);
    EXPECT_EQ(Drapeaux(2), "0001000000");
    EXPECT_EQ(saisie.LigneCourante * 10 + saisie.DiametreCourant, 42);
    EXPECT_TRUE(Visible());
    CliqueMarge(4, 2);
    CliqueMarge(5, 2); // zone 2 unread
    EXPECT_EQ(Drapeaux(2), "0000000000");
    CliqueMarge(11, 1, 10); // beside the grid: nothing
    CliqueMarge(11, 1);
    EXPECT_EQ(Drapeaux(1), "0101100000");
    EXPECT_FALSE(Visible());
    CliqueMarge(11, 1);
    EXPECT_EQ(Drapeaux(1), "0000000000");
}

TEST_F(Souris, LesValeursDuBulletin) {
    doc.Diametre = doc.DiametreSerie = 200, doc.Focale = doc.FocaleSerie = 1200, Page = "Bulletin";
    AffichePage();
    Clique(cadres.Cadres[3]);
    EXPECT_EQ(dialogues.Bips, 1);
    EXPECT_EQ(saisie.ChampCourant, Champ::RayonCourbure);
    EXPECT_EQ(surface.Controles[Controle::Saisie].Gauche, cadres.Cadres[3].Gauche);
    FicheSaisieKeyPress(c, 13); // on to the thickness, on the report's slot 5
    EXPECT_EQ(saisie.ChampCourant, Champ::Epaisseur);
    Clique(cadres.Cadres[2]);
    EXPECT_EQ(surface.IndicationSaisie, "Le diamètre doit être supérieur à celui de la zone 2");
    doc.NombreSeries = 2; // an older series opens nothing
    Clique(cadres.Cadres[3]);
    EXPECT_FALSE(Visible());
    EXPECT_EQ(dialogues.Bips, 1);
}

TEST_F(Souris, ApresUnClicHorsDesCadresLaGrilleResteCachee) {
    AffichePage();
    Clique(2, 2);
    // The editing command: the first cell, the editor shown once.
    Page = "EditionMesures", saisie.ChampCourant = Champ::Lecture;
    saisie.LigneCourante = saisie.ColonneCourante = saisie.DiametreCourant = 1;
    AffichePage();
    surface.AfficheControle(Controle::Saisie, true);
    Tape("1.5");
    FicheSaisieKeyPress(c, 13);
    EXPECT_FALSE(Visible());
    Clique(cadres.Cadres[2].Gauche + 61, cadres.Cadres[2].Haut + 53); // line 3, column 2
    EXPECT_TRUE(Visible());
    EXPECT_EQ(saisie.LigneCourante * 10 + saisie.ColonneCourante, 32);
}

} // namespace
} // namespace tarvo::test
