#include "../optics/SerieEssai.h"
#include "pages/graphes/EchellesGraphes.h"
#include "pages/graphes/GraphesBulletin.h"
#include "pages/graphes/LigneLissee.h"
#include "support/CanvasEnregistreur.h"

#include <gtest/gtest.h>

#include <algorithm>

// Recording canvas at Arial -11: 13 px cells, 5 px characters, so x0 = width of "00000" = 25.
// Images 525 x 250; D = 150 mm, hole 30 mm: sX = 487 / 75, x(15) = 122, x(60) = 415,
// x(75) = 512.

namespace tarvo::test {
namespace {

using G = Trace::Genre;

ResultatReduction Reduction(std::vector<double> rayons, std::vector<double> ondes) {
    ResultatReduction r;
    r.Etat = EtatReduction::Calculee;
    r.NombreZones = static_cast<int>(rayons.size()) - 1;
    for (std::size_t i = 0; i < rayons.size(); ++i)
        r.Zones[i].RayonExterieur = rayons[i], r.Zones[i].Onde = ondes[i];
    r.Parabole.EcartMax = 100;
    r.Parabole.PointEcartMax = 2;
    r.FractionLambda = 5.6;
    r.RayonTache = 1;
    return r;
}

// Transverse aberrations 1, -1, 1.5 µm at Hm 27.5, 50, 67.5; ρ = 1; the largest at the rim.
ResultatReduction Transverse(double etendue) {
    ResultatReduction r = Reduction({15, 40, 60, 75}, {0, 0, 0, 0});
    const double hm[] = {27.5, 50, 67.5}, v[] = {1, -1, 1.5};
    for (int i = 1; i <= 3; ++i)
        r.Zones[i].Hm = hm[i - 1], r.Zones[i].AberrationTransversale = v[i - 1];
    r.Echelle = {etendue / 2, -etendue / 2, etendue, 2, 4, 2, 2};
    return r;
}

bool ALigne(const CanvasEnregistreur& c, int x1, int y1, int x2, int y2, int largeur = 1) {
    return std::ranges::any_of(c.DuGenre(G::Ligne), [&](const Trace& t) {
        return std::tie(t.X1, t.Y1, t.X2, t.Y2, t.PlumeUtilisee.Largeur) ==
               std::tie(x1, y1, x2, y2, largeur);
    });
}

// Top-left corner of the first text drawn that equals `texte`.
std::pair<int, int> Coin(const CanvasEnregistreur& c, std::string_view texte) {
    const Trace* t = c.Texte(texte);
    return t ? std::pair(t->X1, t->Y1) : std::pair(-1, -1);
}

Couleur PixelEn(const CanvasEnregistreur& c, int x, int y) {
    for (const Trace& t : c.DuGenre(G::Pixel))
        if (t.X1 == x && t.Y1 == y) return t.CouleurPixel;
    ADD_FAILURE() << "pas de pixel en " << x << ", " << y;
    return Blanc;
}

TEST(Graphes, PasHorizontalAuxBornes) {
    const std::pair<double, int> cas[] = {
        {15.9, 1}, {16, 2},   {31.9, 2}, {32, 4},     {65.5, 4},  {66, 10},    {150, 10},
        {160, 20}, {300, 20}, {320, 40}, {599.5, 40}, {600, 100}, {1099, 100}, {1100, 0}};
    for (const auto& [d, pas] : cas)
        EXPECT_EQ(PasHorizontal(d), pas) << d;
}

TEST(Graphes, EchelleOnde) {
    // ±35 nm: the 70 nm floor and a 10 nm step; the parabola's points count as well.
    ResultatReduction r = Reduction({0, 40, 75}, {0, 35, -20});
    r.Parabole.Coefficients = {-0.0062222, 0}; // -35 nm at the rim
    ResultatEchelleOnde e = EchelleOnde(r);
    EXPECT_NEAR(e.Min, -35, 1e-3);
    EXPECT_EQ(std::tuple(e.Max, e.Etendue, e.Pas, e.Echantillon, e.ZeroEnHaut),
              std::tuple(35.0, 70.0, 10, "00000", false));
    // Tall: the extent over ten above the maximum.
    r = Reduction({0, 40, 75}, {0, 9.9, -100});
    EXPECT_TRUE(EchelleOnde(r).ZeroEnHaut);
    r.Zones[1].Onde = 12;
    EXPECT_FALSE(EchelleOnde(r).ZeroEnHaut);
    // Step bands: n = Trunc(Range + 1).
    const std::tuple<double, int, std::string_view> bandes[] = {
        {79.5, 10, "00000"},          {80, 20, "00000"},       {299.5, 40, "00000"},
        {300, 50, "00000"},           {799, 100, "00000"},     {800, 200, "000000"},
        {4000, 1000, "000000"},       {8000, 2000, "0000000"}, {40000, 10000, "00000000"},
        {160000, 100000, "000000000"}};
    for (const auto& [etendue, pas, echantillon] : bandes) {
        e = EchelleOnde(Reduction({0, 40, 75}, {0, 0, -etendue}));
        EXPECT_EQ(std::tie(e.Pas, e.Echantillon), std::tie(pas, echantillon)) << etendue;
    }
}

TEST(Graphes, LigneLissee) {
    const Couleur rouge{255, 0, 0};
    const auto teinte = RampeTeintes(rouge);
    EXPECT_EQ(std::pair(teinte[0], teinte[9]), std::pair(Blanc, Couleur{255, 26, 26}));
    EXPECT_EQ(RampeTeintes({10, 100, 200})[9], (Couleur{35, 116, 206}));

    // Flat, given right to left: t = 20 + (x - 10) / 4; steep: t = y / 4 along y. The
    // shares of the far pixel are the same in both; the end points are in the colour.
    const int parts[] = {2, 5, 7, 0, 2, 5, 7};
    CanvasEnregistreur c(100, 100, 96);
    LigneLissee(c, 18, 22, 10, 20, rouge);
    ASSERT_EQ(c.DuGenre(G::Pixel).size(), 2u + 2 * 7);
    EXPECT_EQ(std::pair(PixelEn(c, 10, 20), PixelEn(c, 18, 22)), std::pair(rouge, rouge));
    for (int i = 1; i <= 7; ++i) {
        const int k = parts[i - 1], x = 10 + i, y = i < 4 ? 20 : 21;
        EXPECT_EQ(std::pair(PixelEn(c, x, y), PixelEn(c, x, y + 1)),
                  std::pair(teinte[9 - k], teinte[k]));
    }
    EXPECT_EQ(c.PlumeCourante(), (Plume{teinte[7], StylePlume::Plein, 1}));
    c.Traces.clear();
    LigneLissee(c, 2, 8, 0, 0, rouge);
    EXPECT_EQ(std::pair(PixelEn(c, 0, 0), PixelEn(c, 2, 8)), std::pair(rouge, rouge));
    for (int y = 1; y <= 7; ++y) {
        const int k = parts[y - 1], x = y < 4 ? 0 : 1;
        EXPECT_EQ(std::pair(PixelEn(c, x, y), PixelEn(c, x + 1, y)),
                  std::pair(teinte[9 - k], teinte[k]));
    }
    // Vertical: one column, each pixel with a white neighbour on its right.
    c.Traces.clear();
    LigneLissee(c, 5, 6, 5, 3, rouge);
    ASSERT_EQ(c.DuGenre(G::Pixel).size(), 6u);
    EXPECT_EQ(std::pair(PixelEn(c, 5, 3), PixelEn(c, 5, 6)), std::pair(rouge, rouge));
    for (int y = 4; y <= 5; ++y)
        EXPECT_EQ(std::pair(PixelEn(c, 5, y), PixelEn(c, 6, y)), std::pair(teinte[9], Blanc));
    EXPECT_EQ(c.PlumeCourante().Teinte, Blanc);
    // Above the image the fraction is negative: the shades stay in the ramp.
    c.Traces.clear();
    LigneLissee(c, 0, -3, 8, 1, rouge);
    for (const Trace& t : c.DuGenre(G::Pixel))
        EXPECT_TRUE(t.CouleurPixel == rouge || std::ranges::count(teinte, t.CouleurPixel) == 1);
}

struct Graphe : ::testing::Test {
    CanvasEnregistreur image{525, 250, 96};
    DonneesGraphes Donnees(const ResultatReduction& r) const { return {r, 150, 30, ','}; }
};

TEST_F(Graphe, OndeEcran) {
    // Max 33, Min 0: range 70, sY = -214 / 70, y0 = 250 - Trunc(74.56) = 176.
    DessineGrapheOnde(image, 525, 250, Donnees(Reduction({15, 40, 60, 75}, {0, 20, 33, 10})));
    const Trace bande = image.DuGenre(G::Remplissage).back();
    EXPECT_EQ(std::tie(bande.X1, bande.Y1, bande.X2, bande.Y2, bande.BrosseUtilisee.Teinte),
              std::tuple(25, 0, 122, 250, Argent));
    EXPECT_TRUE(ALigne(image, 0, 176, 512, 176) && ALigne(image, 25, 13, 25, 237));
    EXPECT_EQ(Coin(image, "nm"), std::pair(6, 1));
    // Horizontal graduations below the zero line (-Min < Max), 10 mm apart up to 70.
    EXPECT_EQ(std::pair(Coin(image, "10"), Coin(image, "70")),
              std::pair(std::pair(85, 180), std::pair(475, 180)));
    EXPECT_EQ(image.Texte("80"), nullptr);
    EXPECT_TRUE(ALigne(image, 90, 179, 90, 176));
    // Vertical graduations from 0 to 50 above (y > 13), -10 below (y < 237).
    EXPECT_EQ(Coin(image, "0"), std::pair(16, 170));
    EXPECT_EQ(Coin(image, "-10"), std::pair(6, 207 - 6));
    EXPECT_EQ(image.Texte("-20"), nullptr); // at 237 = H - 13: left out

    // Discs outlined in the last shade of their line.
    std::optional<Couleur> derniere;
    for (const Trace& t : image.Traces) {
        if (t.Type == G::Pixel) derniere = t.CouleurPixel;
        if (t.Type == G::Ellipse) {
            EXPECT_EQ(std::tie(t.BrosseUtilisee, t.PlumeUtilisee.Teinte),
                      std::tuple(Brosse{Noir, StyleBrosse::Plein}, *derniere));
        }
    }
    const std::vector<Trace> disques = image.DuGenre(G::Ellipse);
    ASSERT_EQ(disques.size(), 3u);
    EXPECT_EQ(std::tie(disques[0].X1, disques[0].Y1, disques[0].X2, disques[0].Y2),
              std::tuple(283, 113, 287, 117));
    EXPECT_TRUE(ALigne(image, 415, 176, 415, 75, 2)); // the peak bar
    // The dotted parabola: one pixel every 5 from past the hole's edge to the rim.
    std::vector<int> points;
    for (const Trace& t : image.DuGenre(G::Ligne))
        if (t.X1 == t.X2 && t.Y2 == t.Y1 + 1) points.push_back(t.X1);
    ASSERT_EQ(points.size(), 78u);
    EXPECT_EQ(std::pair(points.front(), points.back()), std::pair(125, 510));

    // ε = 100 nanomètres = λ/5,6 from the middle of the image.
    EXPECT_EQ(Coin(image, "e"), std::pair(262, 1));
    EXPECT_EQ(image.Texte("e")->PoliceUtilisee.Nom, "Symbol");
    EXPECT_EQ(Coin(image, " = 100 nanomètres = "), std::pair(267, 1));
    EXPECT_EQ(std::pair(Coin(image, "l"), Coin(image, "/5,6")),
              std::pair(std::pair(367, 1), std::pair(372, 1)));
    EXPECT_TRUE(image.ARectangle(0, 0, 525, 250) && ALigne(image, 524, 249, 0, 249));
}

TEST_F(Graphe, OndeHauteEtFractions) {
    ResultatReduction r = Reduction({15, 40, 60, 75}, {0, -50, -100, -80});
    const std::pair<std::optional<double>, std::string> fractions[] = {
        {56.4, "/56"}, {5.64, "/5,6"}, {0.564, "/0,56"}, {std::nullopt, " = 100 nanomètres"}};
    for (const auto& [q, texte] : fractions) {
        r.FractionLambda = q;
        image.Traces.clear();
        DessineGrapheOnde(image, 525, 250, Donnees(r));
        EXPECT_NE(image.Texte(texte), nullptr) << texte;
    }
    EXPECT_EQ(image.Texte("l"), nullptr); // no fraction for a peak error of 0
    // Almost all below zero: the zero line 40 px down, the graduations above it.
    EXPECT_TRUE(ALigne(image, 0, 40, 512, 40) && ALigne(image, 90, 37, 90, 40));
    EXPECT_EQ(Coin(image, "70"), std::pair(475, 40 - 4 - 13));
}

TEST_F(Graphe, AberrationsEcran) {
    // Range 4 ρ: sY = -52.5, y0 = 125, y(±ρ) = 125 ∓ 52 (ties to even).
    DessineGrapheAberrations(image, 525, 250, Donnees(Transverse(4)));
    EXPECT_EQ(std::pair(Coin(image, "+r"), Coin(image, "-r")),
              std::pair(std::pair(9, 73 - 6), std::pair(9, 177 - 6)));
    EXPECT_EQ(image.Texte("-r")->PoliceUtilisee.Nom, "Symbol");
    EXPECT_TRUE(ALigne(image, 22, 73, 25, 73) && ALigne(image, 119, 177, 512, 177));
    EXPECT_TRUE(ALigne(image, 25, 125, 512, 125));
    // The curve starts at the hole's edge on the line from the centre value to zone 1.
    const Trace debut = image.DuGenre(G::Pixel).front();
    EXPECT_EQ(std::tie(debut.X1, debut.Y1), std::tuple(122, 49));
    // Discs at the three zones, none at the rim, outlined in black.
    const std::vector<Trace> disques = image.DuGenre(G::Ellipse);
    ASSERT_EQ(disques.size(), 3u);
    EXPECT_EQ(std::tie(disques[0].X1, disques[0].Y1), std::tuple(204 - 2, 73 - 2));
    EXPECT_EQ(disques[2].PlumeUtilisee.Teinte, Noir);
    EXPECT_TRUE(ALigne(image, 512, 125, 512, 20, 2)); // the largest, at the rim
    EXPECT_EQ(Coin(image, "r"), std::pair(58, 1));
    EXPECT_EQ(Coin(image, " = 1,00 µm"), std::pair(63, 1));
    EXPECT_EQ(Coin(image, "F max = 2,00"), std::pair(267, 1));

    image.Traces.clear();
    DessineGrapheAberrations(image, 525, 250, Donnees(Transverse(40)));
    EXPECT_TRUE(image.Texte("+r") == nullptr && image.Texte("-r") == nullptr);
}

TEST_F(Graphe, SansReductionOuSansPlace) {
    const ResultatReduction refusee;
    DessineGrapheOnde(image, 525, 250, Donnees(refusee));
    DessineGrapheAberrations(image, 525, 250, Donnees(refusee));
    EXPECT_EQ(image.Traces.size(), 2u);
    CanvasEnregistreur papier(5000, 7000, 600);
    DessineGrapheOndePapier(papier, MiseEnPage{}, {200, 1000, 4800, 3000}, Donnees(refusee));
    EXPECT_TRUE(papier.Traces.empty());
    // Too narrow for a plot: the frame alone.
    image.Traces.clear();
    DessineGrapheAberrations(image, 30, 250, Donnees(Transverse(4)));
    EXPECT_EQ(image.Traces.size(), 5u);
    EXPECT_EQ(image.DuGenre(G::Ligne).size(), 4u);
}

// A real reduction, with a hole: everything lands inside the image.
TEST_F(Graphe, ReductionCalculee) {
    Document doc = SerieEssai(200, 1200, {39, 62, 82, 100}, {1.10, 1.55, 2.35, 3.12}, {}, 40);
    const ResultatReduction r = CalculeBulletin(doc);
    ASSERT_TRUE(r.Calculee());
    DessineGrapheOnde(image, 525, 250, {r, 200, 40, ','});
    CanvasEnregistreur second(525, 250, 96);
    DessineGrapheAberrations(second, 525, 250, {r, 200, 40, ','});
    image.Traces.insert(image.Traces.end(), second.Traces.begin(), second.Traces.end());
    for (const Trace& t : image.Traces)
        EXPECT_TRUE(t.X1 >= 0 && t.X2 <= 525 && t.Y1 >= 0 && t.Y2 <= 250) << t.X1 << "," << t.Y1;
}

// Paper at 600 ppp: 10 pt is a 95 px cell, 42 px characters; a = 12, b = 50; the area
// (200, 1000) - (4800, 3000), so x0 = 410 and sX = 4348 / 75.
struct Papier : Graphe {
    Papier() {
        m.PointsParPouce = 600, m.UnitePoint = 8, m.DemiPoint = 4;
        papier.FixePlume(Plume{Noir, StylePlume::Plein, 8});
        papier.FixePolice(Police{"Arial", -83, true});
    }
    MiseEnPage m;
    CanvasEnregistreur papier{5000, 7000, 600};
    RectangleGraphe zone{200, 1000, 4800, 3000};
};

TEST_F(Papier, Onde) {
    // sY = (285 - 2000) / 70 = -24.5, y0 = 3000 - Trunc(595.75) = 2405; y(33) ties to even.
    ResultatReduction r = Reduction({15, 40, 60, 75}, {0, 20, 33, 10});
    r.FractionLambda = 0.564; // "#0.0" on paper, even below 1
    DessineGrapheOndePapier(papier, m, zone, Donnees(r));
    EXPECT_TRUE(ALigne(papier, 200, 1000, 4800, 1000, 8) &&
                ALigne(papier, 200, 3000, 200, 1000, 8));
    EXPECT_TRUE(ALigne(papier, 247, 2405, 4753, 2405, 4) &&
                ALigne(papier, 410, 2953, 410, 1047, 4));
    EXPECT_TRUE(ALigne(papier, 3888, 2405, 3888, 1597, 8));
    const std::vector<Trace> disques = papier.DuGenre(G::Ellipse);
    ASSERT_EQ(disques.size(), 3u);
    EXPECT_EQ(disques[0].X2 - disques[0].X1, 32);
    int points = 0; // the parabola's dots, `UnitePoint` long, `DemiPoint` wide
    for (const Trace& t : papier.DuGenre(G::Ligne))
        points += t.X1 == t.X2 && t.Y2 == t.Y1 + 8 && t.PlumeUtilisee.Largeur == 4;
    EXPECT_GT(points, 40);
    EXPECT_EQ(Coin(papier, "nm"), std::pair(242, 1008));
    EXPECT_EQ(Coin(papier, "e"), std::pair(2500, 1008 - 11)); // raised by an eighth
    EXPECT_NE(papier.Texte("/0,6"), nullptr);
    // The caller's settings come back.
    EXPECT_EQ(std::tie(papier.PlumeCourante(), papier.PoliceCourante(), papier.BrosseCourante()),
              std::tuple(Plume{Noir, StylePlume::Plein, 8}, Police{"Arial", -83, true}, Brosse{}));
}

TEST_F(Papier, Aberrations) {
    DessineGrapheAberrationsPapier(papier, m, zone, Donnees(Transverse(4)));
    // The ρ legend right of the axis, as on screen, at the top of the λF max legend.
    EXPECT_EQ(Coin(papier, "r"), std::pair(410 + 206, Coin(papier, "l").second));
    EXPECT_LT(papier.Texte(" = 1,00 µm")->X2, 5000);
    EXPECT_EQ(papier.Texte("+r")->X2, 410 - 50);
    EXPECT_EQ(papier.DuGenre(G::Ellipse).size(), 3u);
    // sY = -452.5, y0 = 2000, y(ρ) = 1548: the line from the hole's edge to the rim, its
    // label's top two thirds of a text height above; the largest aberration at the rim.
    EXPECT_TRUE(ALigne(papier, 1280, 1548, 4758, 1548, 4) &&
                ALigne(papier, 386, 1548, 410, 1548, 4));
    EXPECT_EQ(Coin(papier, "+r").second, 1548 - 63);
    EXPECT_TRUE(ALigne(papier, 4758, 2000, 4758, 1095, 8));
}

} // namespace
} // namespace tarvo::test
