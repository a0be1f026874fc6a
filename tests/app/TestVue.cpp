#include "FenetreProgrammeFactice.h"
#include "app/EtatProgramme.h"
#include "app/Vue.h"

#include <gtest/gtest.h>

namespace tarvo::test {
namespace {

// A window whose height left to the frame is 700 pixels once the horizontal bar is
// hidden: client 745 = toolbar 26 + status bar 19 + 700.
struct BancVue : ::testing::Test {
    BancVue() {
        fenetre.ClientHauteur = 26 + 19 + 700;
        fenetre.ClientLargeur = 705;
        fenetre.Fiche = {0, 26, 545, 2000, true, false};
        vue.MetAJourVue(); // the horizontal bar starts shown; this one hides it
        vue.MetAJourVue();
    }
    SurfaceProgrammeFactice fenetre;
    EtatProgramme etat;
    Vue vue{fenetre, etat};
};

TEST_F(BancVue, UneFicheDe2000PixelsDans700DonneUnePageDe35EtUnGrandPasDe31) {
    EXPECT_EQ(etat.HauteurUtile, 700);
    const BarreDefilement& v = vue.Barre(Sens::Vertical);
    EXPECT_TRUE(v.Visible);
    EXPECT_EQ(v.TaillePage, 35);
    EXPECT_EQ(v.GrandPas, 31);
    EXPECT_EQ(v.Position, 0);
    // The window shows the bars as the program set them.
    EXPECT_EQ(fenetre.Verticale.TaillePage, 35);
    EXPECT_EQ(fenetre.Verticale.GrandPas, 31);
    EXPECT_FALSE(fenetre.Horizontale.Visible);
    // Width left: 705 minus the vertical bar.
    EXPECT_EQ(etat.LargeurUtile, 705 - 17);
}

TEST_F(BancVue, TirerLaBarreA80AvecUnePageDe35LaRameneA65) {
    vue.DeplaceBarre(Sens::Vertical, 80);
    EXPECT_EQ(vue.Barre(Sens::Vertical).Position, 65);
    EXPECT_EQ(fenetre.Verticale.Position, 65);
    EXPECT_EQ(fenetre.Fiche.Haut, -(2000 * 65 / 100) + 26 + 1);
}

TEST_F(BancVue, LaPositionSuitLaFicheEtReste0A100) {
    vue.DeplaceBarre(Sens::Vertical, 30);
    EXPECT_EQ(fenetre.Fiche.Haut, -600 + 27);
    // A new drawing keeps the scroll: the position is recomputed from the frame's top,
    // (26 - (-573)) * 100 / 2000 = 29.95, rounded to 30.
    vue.MetAJourVue();
    EXPECT_EQ(vue.Barre(Sens::Vertical).Position, 30);
    vue.DeplaceBarre(Sens::Vertical, -5);
    EXPECT_EQ(vue.Barre(Sens::Vertical).Position, 0);
    EXPECT_EQ(fenetre.Fiche.Haut, 27);
    vue.PasseUnePage(Sens::Vertical, true);
    EXPECT_EQ(vue.Barre(Sens::Vertical).Position, 31);
    vue.PasseUnePage(Sens::Vertical, true);
    vue.PasseUnePage(Sens::Vertical, true);
    EXPECT_EQ(vue.Barre(Sens::Vertical).Position, 65);
    vue.PasseUnePage(Sens::Vertical, false);
    EXPECT_EQ(vue.Barre(Sens::Vertical).Position, 34);
}

TEST_F(BancVue, UneFichePlusCourteQueLaFenetreCacheLaBarreEtRevientEnHaut) {
    vue.DeplaceBarre(Sens::Vertical, 50);
    ASSERT_LT(fenetre.Fiche.Haut, 0);
    fenetre.Fiche.Hauteur = 500;
    vue.MetAJourVue();
    const BarreDefilement& v = vue.Barre(Sens::Vertical);
    EXPECT_FALSE(v.Visible);
    EXPECT_EQ(v.Position, 0);
    EXPECT_EQ(fenetre.Fiche.Haut, 27);
    // 700 * 100 / 500 = 140 is above 100: the bar keeps its page size.
    EXPECT_EQ(v.TaillePage, 35);
    EXPECT_EQ(v.GrandPas, 65);
    // Hidden, the vertical bar leaves its width to the page.
    EXPECT_EQ(etat.LargeurUtile, 705);
}

TEST_F(BancVue, LaBarreHorizontaleDeplaceLaFicheVersLaGauche) {
    fenetre.Fiche.Largeur = 1000;
    vue.MetAJourVue();
    const BarreDefilement& h = vue.Barre(Sens::Horizontal);
    EXPECT_TRUE(h.Visible);
    EXPECT_EQ(h.TaillePage, 688 * 100 / 1000);
    EXPECT_EQ(h.GrandPas, 100 - 68);
    vue.DeplaceBarre(Sens::Horizontal, 50);
    EXPECT_EQ(h.Position, 32);
    EXPECT_EQ(fenetre.Fiche.Gauche, -320);
    // Every viewport update puts the frame back at the left edge.
    vue.MetAJourVue();
    EXPECT_EQ(fenetre.Fiche.Gauche, 0);
    EXPECT_EQ(h.Position, 0);
    // Shown, the horizontal bar takes its height from the page's height.
    EXPECT_EQ(etat.HauteurUtile, 700 - 17);
}

TEST_F(BancVue, LeRedimensionnementSuitLesBarresMaisPasPendantLaFermeture) {
    vue.DeplaceBarre(Sens::Vertical, 40);
    fenetre.ClientHauteur = 26 + 19 + 1000;
    vue.FormResize();
    EXPECT_EQ(etat.HauteurUtile, 1000);
    EXPECT_EQ(vue.Barre(Sens::Vertical).TaillePage, 50);

    etat.Fermeture = true;
    fenetre.ClientHauteur = 26 + 19 + 400;
    const int appliquees = fenetre.BarresAppliquees;
    vue.FormResize();
    EXPECT_EQ(etat.HauteurUtile, 1000);
    EXPECT_EQ(fenetre.BarresAppliquees, appliquees);
    EXPECT_EQ(fenetre.Fiche.Haut, -(2000 * 40 / 100) + 27);
}

TEST(ArrondiPourcentage, ArrondiAuPlusProcheLesMoitiesAuPair) {
    EXPECT_EQ(ArrondiPourcentage(25, 10), 2);
    EXPECT_EQ(ArrondiPourcentage(35, 10), 4);
    EXPECT_EQ(ArrondiPourcentage(26, 10), 3);
    EXPECT_EQ(ArrondiPourcentage(-100, 2000), 0);
    EXPECT_EQ(ArrondiPourcentage(-15, 10), -2);
    EXPECT_EQ(ArrondiPourcentage(7, 0), 0);
}

} // namespace
} // namespace tarvo::test
