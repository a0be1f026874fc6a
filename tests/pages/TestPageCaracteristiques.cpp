#include "BancPage.h"

#include <algorithm>

// Fixed metrics of the recording canvas (characters 45 % of the cell): title 13 px per
// character, date 6 px, body 7 px with a 16 px cell, so the line step is 24 px. The title
// "Caractéristiques du miroir" is 338 px wide, centred at 103; the name line is at y = 34.

namespace tarvo::test {
namespace {

using Page = BancPage;

TEST_F(Page, NouveauDocument) {
    Affiche();
    // Order of the drawer: the commands first, the viewport after the screen drawing.
    EXPECT_EQ(surface.Journal, (std::vector<std::string>{"MetAJourActions", "MetAJourVue"}));
    EXPECT_EQ(surface.BoutonEnfonce, BoutonPage::ToolCaracteristiques);
    EXPECT_EQ(surface.ContexteAide, 3100);

    // The page's client rectangle is cleared in white before anything else: the new
    // width, the height of the page drawn before.
    const Trace& efface = surface.Ecran.Traces.front();
    EXPECT_EQ(efface.Type, Trace::Genre::Remplissage);
    EXPECT_EQ(efface.X1, 0);
    EXPECT_EQ(efface.X2, 545);
    EXPECT_EQ(efface.Y2, 1000);
    EXPECT_EQ(efface.BrosseUtilisee, Brosse{});

    const Trace& titre = TexteEcran("Caractéristiques du miroir");
    EXPECT_EQ(titre.X1, 103);
    EXPECT_EQ(titre.Y1, 0);
    EXPECT_TRUE(titre.PoliceUtilisee.Gras);
    EXPECT_EQ(titre.PoliceUtilisee.Hauteur, 30);
    const Trace& date = TexteEcran("09/12/2026");
    EXPECT_EQ(date.X1, 480);
    EXPECT_EQ(date.Y1, 7);
    EXPECT_EQ(date.PoliceUtilisee, (Police{"Arial", 14, false}));
    EXPECT_TRUE(miseEnPage.PetitesPolices);
    EXPECT_EQ(miseEnPage.LargeurPageMini, 103 + 338 + 10 + 60);
    EXPECT_EQ(Etat(Controle::Fenetre).Largeur, 545);
    EXPECT_EQ(surface.Fiche.Largeur, 545);

    // Empty boxes: no text is drawn for the lengths and the hole.
    EXPECT_EQ(TexteEcran("de ").X1, 46);
    EXPECT_EQ(TexteEcran("de ").Y1, 34);
    const std::vector<std::string> textes = surface.Ecran.Textes();
    EXPECT_EQ(std::count(textes.begin(), textes.end(), "0"), 0);
    EXPECT_EQ(std::count(textes.begin(), textes.end(), "0,0"), 3);
    EXPECT_EQ(std::count(textes.begin(), textes.end(), "R"), 0);
    EXPECT_EQ(surface.Ecran.Texte("Rayon de la tache de diffraction = "), nullptr);
    EXPECT_EQ(TexteEcran("-1,000").X1, 540 - 4 - 6 * 7);
    EXPECT_EQ(TexteEcran("3").X1, 252 - 4 - 7);
    EXPECT_TRUE(Etat(Controle::FormeParabolique).Coche);
    EXPECT_FALSE(Etat(Controle::FormeSpherique).Coche);
    EXPECT_DOUBLE_EQ(doc.RayonCourbure, 0);
}

TEST_F(Page, CadresDesValeurs) {
    Affiche();
    EXPECT_EQ(cadres.Cadres[1], (Cadre{67, 30, 540, 52}));
    EXPECT_EQ(cadres.Cadres[2], (Cadre{153, 56, 203, 76}));
    EXPECT_EQ(cadres.Cadres[3], (Cadre{398, 56, 455, 76}));
    EXPECT_EQ(cadres.Cadres[4], (Cadre{412, 80, 469, 100}));
    EXPECT_EQ(cadres.Cadres[5], (Cadre{104, 128, 154, 148}));
    EXPECT_EQ(cadres.Cadres[6], (Cadre{66, 152, 252, 173}));
    EXPECT_EQ(cadres.Cadres[7], (Cadre{483, 152, 540, 172}));
    EXPECT_EQ(cadres.CadreTrou, (Cadre{272, 176, 322, 196}));
    EXPECT_EQ(cadres.Cadres[8], (Cadre{223, 200, 252, 220}));
    for (int i = 1; i <= 8; ++i) {
        const Cadre& c = cadres.Cadres[static_cast<std::size_t>(i)];
        EXPECT_TRUE(surface.Ecran.ARectangle(c.Gauche, c.Haut, c.Droite, c.Bas)) << i;
    }
    EXPECT_TRUE(surface.Ecran.ARectangle(272, 176, 322, 196));

    // Zone table: header column to 20 + 49 + 8, columns of 49 px.
    const ColonnesDeZones& z = cadres.ColonnesZones;
    EXPECT_EQ(z.Bords[0], 77);
    EXPECT_EQ(z.Bords[1], 126);
    EXPECT_EQ(z.Bords[3], 224);
    EXPECT_EQ(z.Bords[4], 0);
    EXPECT_EQ(z.Haut, 244);
    EXPECT_EQ(z.Bas, 265);
    EXPECT_EQ(miseEnPage.LargeurColonne, 49);
    EXPECT_TRUE(surface.Ecran.ARectangle(20, 224, 77, 265));
    EXPECT_TRUE(surface.Ecran.ARectangle(20, 244, 77, 265));
    EXPECT_TRUE(surface.Ecran.ARectangle(174, 224, 224, 265));
    EXPECT_TRUE(surface.Ecran.ARectangle(174, 244, 224, 265));
    EXPECT_EQ(TexteEcran("Zones").X1, 28);
    EXPECT_EQ(TexteEcran("H ext.").Y1, 246);
    EXPECT_EQ(TexteEcran("2").X1, 126 + 21);
    EXPECT_EQ(TexteEcran("2").Y1, 226);

    // The page ends with the table; the logo hangs 20 px under it.
    EXPECT_EQ(Etat(Controle::Fenetre).Hauteur, 265);
    EXPECT_EQ(surface.Fiche.Hauteur, 265 + 400);
    EXPECT_EQ(Etat(Controle::Logo).Haut, 285);
    EXPECT_EQ(Etat(Controle::Logo).Gauche, GaucheLogo);
    EXPECT_TRUE(Etat(Controle::Logo).Visible);
    // The top of the frame is the scroll position's: the drawer leaves it.
    EXPECT_EQ(surface.Fiche.Haut, 26);
}

TEST_F(Page, ControlesDeLaPage) {
    for (Controle c : {Controle::Note, Controle::Dessin, Controle::DessinF, Controle::UpRelache,
                       Controle::DownNeutre})
        Etat(c).Visible = true;
    Affiche();
    for (Controle c : {Controle::Note, Controle::Dessin, Controle::Dessin2, Controle::DessinF,
                       Controle::UpRelache, Controle::UpNeutre, Controle::DownRelache,
                       Controle::DownNeutre, Controle::BoutonAnnuler})
        EXPECT_FALSE(Etat(c).Visible);
    EXPECT_TRUE(Etat(Controle::Saisie).Visible);
    EXPECT_EQ(Etat(Controle::Saisie).HauteurPolice, -13);
    // The shape buttons after "Forme " on line 5, 105 px apart.
    EXPECT_EQ(Etat(Controle::FormeParabolique).Gauche, 20 + 42 + 4);
    EXPECT_EQ(Etat(Controle::FormeParabolique).Haut, 154);
    EXPECT_EQ(Etat(Controle::FormeSpherique).Gauche, 66 + 105);
    EXPECT_EQ(Etat(Controle::FormeSpherique).Haut, 154);
    EXPECT_EQ(Etat(Controle::FormeSpherique).HauteurPolice, -11);
    EXPECT_EQ(Etat(Controle::FormeSpherique).Hauteur, 17);
    EXPECT_TRUE(Etat(Controle::FormeSpherique).Visible);
    EXPECT_EQ(TexteEcran("Forme ").Y1, 154);
}

TEST_F(Page, MiroirDe200F6) {
    doc.Intitule = "\"Mon 200\"  ";
    doc.Diametre = 200;
    doc.Focale = 1200;
    doc.Epaisseur = 33;
    Affiche();
    EXPECT_DOUBLE_EQ(doc.RayonCourbure, 2400);
    // The name as stored.
    EXPECT_EQ(TexteEcran("\"Mon 200\"  ").X1, 71);
    EXPECT_EQ(TexteEcran("200").X1, 203 - 4 - 21);
    EXPECT_EQ(TexteEcran(" mm").X1, 205);
    EXPECT_EQ(TexteEcran("1200").X1, 455 - 4 - 28);
    EXPECT_EQ(TexteEcran("2400").X1, 469 - 4 - 28);
    EXPECT_EQ(TexteEcran("2400").Y1, 82);
    EXPECT_EQ(TexteEcran("33").X1, 154 - 4 - 14);

    const Trace& rapport = TexteEcran("Finitial/Dinitial = 6");
    EXPECT_EQ(rapport.X1, 20);
    EXPECT_EQ(rapport.Y1, 82);

    // Diffraction line: pieces end to end, the Greek letters in Symbol at the same top.
    const std::string debut = "Rayon de la tache de diffraction = 4,10 ";
    const Trace& tache = TexteEcran(debut);
    EXPECT_EQ(tache.Y1, 106);
    const auto& t = surface.Ecran.Traces;
    const auto i = static_cast<std::size_t>(&tache - t.data());
    ASSERT_LT(i + 4, t.size());
    const std::vector<std::pair<std::string, std::string>> morceaux{
        {"m", "Symbol"}, {"m (pour ", "Arial"}, {"l ", "Symbol"}, {"= 560 nm)", "Arial"}};
    int x = 20 + 40 * 7;
    for (std::size_t k = 0; k < morceaux.size(); ++k) {
        const Trace& m = t[i + 1 + k];
        EXPECT_EQ(m.Texte, morceaux[k].first);
        EXPECT_EQ(m.PoliceUtilisee.Nom, morceaux[k].second);
        EXPECT_EQ(m.X1, x);
        EXPECT_EQ(m.Y1, 106);
        x = m.X2;
    }

    // R⁴/e² = Round(10000 / 10.89) = 918, the small digits at height 11 on the same top.
    const Trace& r = TexteEcran("R");
    EXPECT_EQ(r.X1, 272);
    EXPECT_EQ(r.Y1, 130);
    const auto j = static_cast<std::size_t>(&r - t.data());
    const std::vector<std::pair<std::string, int>> pieces{
        {"4", 11}, {"/e", 16}, {"2", 11}, {" = 918 cm", 16}, {"2", 11}};
    x = 272 + 7;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const Trace& p = t[j + 1 + k];
        EXPECT_EQ(p.Texte, pieces[k].first);
        EXPECT_EQ(p.PoliceUtilisee.Hauteur, pieces[k].second);
        EXPECT_EQ(p.X1, x);
        EXPECT_EQ(p.Y1, 130);
        x = p.X2;
    }
    // The body height is back for what follows.
    EXPECT_EQ(TexteEcran("Forme ").PoliceUtilisee.Hauteur, 16);
}

TEST_F(Page, LignesDependantDesValeurs) {
    // Diameter of 1 mm: no ratio, no diffraction, no R⁴/e² even with a thickness.
    doc.Diametre = 1;
    doc.Focale = 1200;
    doc.Epaisseur = 30;
    Affiche();
    EXPECT_EQ(surface.Ecran.Texte("R"), nullptr);
    EXPECT_EQ(surface.Ecran.Texte("Finitial/Dinitial = 1200"), nullptr);
    EXPECT_EQ(TexteEcran("1").Y1, 58);

    // Thickness of 1 mm: no R⁴/e²; the ratio rounds to two decimals.
    surface.Ecran.Traces.clear();
    doc.Diametre = 203;
    doc.Epaisseur = 1;
    Affiche();
    EXPECT_EQ(surface.Ecran.Texte("R"), nullptr);
    TexteEcran("Finitial/Dinitial = 5,91");
    TexteEcran("Rayon de la tache de diffraction = 4,04 ");
}

TEST_F(Page, FormesEtCoefficient) {
    doc.CoefDeformation = -0.5;
    Affiche();
    EXPECT_FALSE(Etat(Controle::FormeParabolique).Coche);
    EXPECT_FALSE(Etat(Controle::FormeSpherique).Coche);
    EXPECT_EQ(TexteEcran("-0,500").X1, 540 - 4 - 42);

    doc.CoefDeformation = 0.0009;
    Affiche();
    EXPECT_FALSE(Etat(Controle::FormeParabolique).Coche);
    EXPECT_TRUE(Etat(Controle::FormeSpherique).Coche);

    doc.CoefDeformation = -0.999;
    Affiche();
    EXPECT_FALSE(Etat(Controle::FormeParabolique).Coche);
    EXPECT_FALSE(Etat(Controle::FormeSpherique).Coche);
}

TEST_F(Page, CocherUneFormeRedessineLaPage) {
    // The shape choice sets K exactly and redraws; the redraw finds the button checked.
    int clics = 0;
    surface.SurClic = [this, &clics](Controle bouton) {
        ++clics;
        doc.CoefDeformation = bouton == Controle::FormeParabolique ? -1 : 0;
        Affiche();
    };
    Etat(Controle::FormeParabolique).Coche = false;
    doc.CoefDeformation = -1.0005;
    Affiche();
    EXPECT_EQ(clics, 1);
    EXPECT_DOUBLE_EQ(doc.CoefDeformation, -1);
    // The value drawn last is the one set by the click.
    const std::vector<std::string> textes = surface.Ecran.Textes();
    EXPECT_EQ(std::count(textes.begin(), textes.end(), "-1,000"), 2);
    EXPECT_EQ(textes.back(), "0,0");
    EXPECT_EQ(std::count(surface.Journal.begin(), surface.Journal.end(), "MetAJourVue"), 2);
}

TEST_F(Page, DixZones) {
    doc.NombreZones = 10;
    for (int i = 1; i <= 10; ++i)
        doc.Zones[static_cast<std::size_t>(i)][RayonExterieur] = 10.0 * i;
    Affiche();
    const auto numero10 =
        std::find_if(surface.Ecran.Traces.begin(), surface.Ecran.Traces.end(),
                     [](const Trace& t) { return t.Texte == "10" && t.Y1 == 226; });
    ASSERT_NE(numero10, surface.Ecran.Traces.end());
    EXPECT_EQ(numero10->X1, 77 + 9 * 49 + (49 - 14) / 2);
    EXPECT_EQ(TexteEcran("10").Y1, 202); // the count comes first
    EXPECT_EQ(TexteEcran("100,0").X1, 77 + 10 * 49 - 4 - 35);
    EXPECT_EQ(TexteEcran("100,0").Y1, 246);
    EXPECT_EQ(cadres.ColonnesZones.Bords[10], 77 + 10 * 49);
    // Wider than the page's own 545 px: the page widens so that every column shows.
    EXPECT_EQ(Etat(Controle::Fenetre).Largeur, 77 + 10 * 49 + 20);
    EXPECT_EQ(surface.Fiche.Largeur, 77 + 10 * 49 + 20);
    EXPECT_EQ(Etat(Controle::Fenetre).Hauteur, 265);
    EXPECT_EQ(surface.Ecran.DuGenre(Trace::Genre::Rectangle).size(), 9u + 2 + 20);

    // No zone: an empty count box and the header column alone.
    doc.NombreZones = 0;
    surface.Ecran.Traces.clear();
    Affiche();
    EXPECT_EQ(surface.Ecran.Texte("0"), nullptr);
    EXPECT_EQ(surface.Ecran.DuGenre(Trace::Genre::Rectangle).size(), 9u + 2);
}

TEST_F(Page, GrandesPolices) {
    surface.Ecran.PourMilleLargeur = 500; // title 390 px wide
    Affiche();
    EXPECT_FALSE(miseEnPage.PetitesPolices);
    EXPECT_EQ(miseEnPage.LargeurColonneMesure, 65);
    EXPECT_EQ(Etat(Controle::Fenetre).Largeur, 670);
    EXPECT_EQ(surface.Fiche.Largeur, 670);
    const Trace& titre = TexteEcran("Caractéristiques du miroir");
    EXPECT_FALSE(titre.PoliceUtilisee.Gras);
    EXPECT_EQ(titre.X1, (670 - 390) / 2);
    // Right column at W div 2; characters of 8 px.
    EXPECT_EQ(TexteEcran("Distance Focale = ").X1, 335);
    EXPECT_EQ(cadres.Cadres[3].Gauche, 335 + 18 * 8);
}

TEST_F(Page, PageElargieAuTitreEtALaDate) {
    // A long date pushes the minimum width past 545: the bitmap alone widens.
    struct SystemeDateLongue : SystemeFixe {
        std::string DateCourte(double) override { return "mercredi 9 décembre 2026"; }
    } longue;
    ContextePage page{doc, surface, longue, miseEnPage, cadres, modeImpression, etat, saisie};
    AfficheCaracteristiques(page);
    EXPECT_EQ(miseEnPage.LargeurPageMini, 103 + 338 + 10 + 24 * 6);
    EXPECT_EQ(Etat(Controle::Fenetre).Largeur, miseEnPage.LargeurPageMini);
    EXPECT_EQ(surface.Fiche.Largeur, 545);
    EXPECT_EQ(TexteEcran("Distance Focale = ").X1, miseEnPage.LargeurPageMini / 2);
}

} // namespace
} // namespace tarvo::test
