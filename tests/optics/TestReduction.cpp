#include "SerieEssai.h"

#include "optics/ColonnesZones.h"
#include "optics/Equilibre.h"
#include "optics/Reduction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

namespace tarvo {
namespace {

using test::SerieEssai;

// Theoretical readings Hm²/R of a paraboloid, plus an offset.
std::vector<double> Theorie(double d, double f, std::vector<double> rayons, double decalage,
                            double trou = 0) {
    std::vector<double> lectures;
    double interieur = trou / 2;
    rayons.back() = d / 2;
    for (const double h : rayons) {
        const double hm = (interieur + h) / 2;
        lectures.push_back(hm * hm / (2 * f) + decalage);
        interieur = h;
    }
    return lectures;
}

TEST(Reduction, DecalageCommunDonneUneOndePlate) {
    Document doc =
        SerieEssai(200, 1200, {39, 62, 82, 100}, Theorie(200, 1200, {39, 62, 82, 100}, 1.0),
                   Theorie(200, 1200, {39, 62, 82, 100}, 2.0));
    const ResultatReduction r = CalculeBulletin(doc);
    ASSERT_TRUE(r.Calculee());
    EXPECT_EQ(r.DiametresRetenus, 3);
    EXPECT_NEAR(r.Constante, 1.5, 2e-5);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(r.Zones[i].EcartLongitudinal, 0, 2e-5);
        EXPECT_NEAR(r.Zones[i].AberrationTransversale, 0, 1e-3);
        EXPECT_NEAR(r.Zones[i].Onde, 0, 0.05);
    }
    EXPECT_LT(r.Parabole.EcartMax, 0.05);
}

// Readings equal to the theory: the wavefront is exactly flat, every candidate parabola
// fits it exactly, the first one is kept and the peak error has no λ fraction.
TEST(Reduction, MiroirParfaitSansFractionLambda) {
    Document doc = SerieEssai(200, 1200, {39, 62, 82, 100}, {});
    doc.Lectures[0][LigneMoyennes][1] = 1;
    const ResultatReduction essai = CalculeBulletin(doc);
    for (int i = 1; i <= 4; ++i)
        doc.Lectures[i][LigneMoyennes][1] = essai.Zones[i].Hm2SurR;
    const ResultatReduction r = CalculeBulletin(doc);
    EXPECT_EQ(r.Constante, 0);
    EXPECT_EQ(r.Parabole.EcartMax, 0);
    EXPECT_EQ(r.Parabole.PointParabole1, 0);
    EXPECT_EQ(r.Parabole.PointParabole2, 1);
    EXPECT_FALSE(r.FractionLambda);
}

// The search starts away from the balance and must end on it.
TEST(Reduction, RechercheEquilibreLesAberrations) {
    auto lectures = Theorie(250, 1250, {37, 60, 78, 95, 110, 125}, 3.0);
    lectures[0] += 0.4;
    lectures[4] -= 0.15;
    Document doc = SerieEssai(250, 1250, {37, 60, 78, 95, 110, 125}, lectures);
    const ResultatReduction r = CalculeBulletin(doc);
    ASSERT_TRUE(r.Calculee());
    TableZones zones = doc.Zones;
    EXPECT_LE(std::fabs(EquilibreAberrations(zones, {6, 1250, r.RayonTache}, r.Constante)), 0.001);
    EXPECT_EQ(zones[3][ColonneOnde], r.Zones[3].Onde);
}

TEST(Reduction, ChoixDesDiametres) {
    EXPECT_EQ(ChoisitDiametres(2, true, false, 3), 2);
    EXPECT_EQ(ChoisitDiametres(3, false, true, 3), 2);
    EXPECT_EQ(ChoisitDiametres(3, true, false, 3), 1);
    EXPECT_EQ(ChoisitDiametres(3, false, false, 1), 1);
    EXPECT_EQ(ChoisitDiametres(3, false, false, 0), 3);

    Document doc = SerieEssai(200, 1200, {39, 62, 82, 100}, {}, {1.1, 1.2, 1.3, 1.4});
    doc.RetenirD2 = false;
    ResultatReduction r = CalculeBulletin(doc);
    EXPECT_EQ(r.DiametresRetenus, 2);
    EXPECT_EQ(r.Zones[3].MoyenneA, 1.3);
    EXPECT_EQ(r.Zones[3].Moyenne, 1.3);
    EXPECT_FALSE(r.Zones[3].MoyenneB);

    doc = SerieEssai(200, 1200, {39, 62, 82, 100}, {1.0, 1.1, 1.2, 1.3}, {1.1, 1.2, 1.3, 1.4});
    r = CalculeBulletin(doc);
    EXPECT_DOUBLE_EQ(r.Zones[1].Moyenne, 1.05);
    EXPECT_EQ(r.Zones[1].MoyenneB, 1.1);
    doc.RetenirD1 = false;
    EXPECT_EQ(CalculeBulletin(doc).Zones[1].Moyenne, 1.1);
}

TEST(Reduction, TrouBordEtConique) {
    Document doc = SerieEssai(200, 1200, {50, 70, 85, 99}, {0.6, 1.5, 2.5, 3.7}, {}, 40);
    const ResultatReduction r = CalculeBulletin(doc);
    ASSERT_TRUE(r.Calculee());
    EXPECT_EQ(r.Zones[1].Hm, 35);
    EXPECT_EQ(r.Zones[0].RayonExterieur, 20);
    EXPECT_DOUBLE_EQ(r.Zones[0].Onde, r.Zones[1].Onde * 20 / 50);
    // The last zone ends at the rim, and the document keeps it so, with R = 2 F.
    EXPECT_EQ(doc.Zones[4][RayonExterieur], 100);
    EXPECT_EQ(doc.RayonCourbure, 2400);
    EXPECT_EQ(doc.Zones[0][ColonneOnde], r.Zones[0].Onde);

    // K within ±0.001 is a sphere; at ±0.001 the theory is computed.
    doc.CoefDeformation = 0.0005;
    EXPECT_EQ(CalculeBulletin(doc).Zones[2].Hm2SurR, 0);
    doc.CoefDeformation = 0.001;
    EXPECT_DOUBLE_EQ(CalculeBulletin(doc).Zones[2].Hm2SurR, -0.001 * 60 * 60 / 2400);
    doc.CoefDeformation = -0.001;
    EXPECT_DOUBLE_EQ(CalculeBulletin(doc).Zones[2].Hm2SurR, 0.001 * 60 * 60 / 2400);
}

// A perfect 200 mm F/6 paraboloid, 4-zone mask, readings published for a fixed source.
TEST(Reduction, ParaboloideDe200PublieBienMeilleurQueLambdaSur8) {
    Document doc = SerieEssai(200, 1200, {50, 70.7, 86.6, 100}, {0.486, 1.510, 2.589, 3.662});
    const ResultatReduction r = CalculeBulletin(doc);
    ASSERT_TRUE(r.Calculee());
    std::cout << "EcartMax " << r.Parabole.EcartMax << " nm, lambda/" << *r.FractionLambda << '\n';
    EXPECT_GT(*r.FractionLambda, 12);
    EXPECT_NEAR(r.Parabole.EcartMax, 34.6, 0.05);
}

TEST(Reduction, RefusLaisseLeDocumentIntact) {
    const Document base = SerieEssai(200, 1200, {39, 62, 82, 100}, {0.6, 1.5, 2.5, 3.7});
    auto etat = [&](auto modifie) {
        Document doc = base;
        modifie(doc);
        const Document avant = doc;
        const ResultatReduction r = CalculeBulletin(doc);
        EXPECT_EQ(doc.Zones, avant.Zones);
        EXPECT_EQ(doc.RayonCourbure, avant.RayonCourbure);
        EXPECT_EQ(r.Parabole.EcartMax, 0);
        return r.Etat;
    };
    using E = EtatReduction;
    EXPECT_EQ(etat([](Document& d) { d.NombreZones = 1; }), E::NombreZonesIncorrect);
    EXPECT_EQ(etat([](Document& d) { d.NombreZones = 11; }), E::NombreZonesIncorrect);
    EXPECT_EQ(etat([](Document& d) { d.Lectures[0][LigneMoyennes][1] = 0; }),
              E::AucuneLigneValidee);
    EXPECT_EQ(etat([](Document& d) { d.DiametreSerie = 0; }), E::CaracteristiquesIncorrectes);
    EXPECT_EQ(etat([](Document& d) { d.FocaleSerie = -1200; }), E::CaracteristiquesIncorrectes);
    EXPECT_EQ(etat([](Document& d) { d.Zones[2][RayonExterieur] = 30; }), E::ZonesIncorrectes);
    EXPECT_EQ(etat([](Document& d) { d.DiametreSerie = 160; }), E::ZonesIncorrectes);
    EXPECT_EQ(etat([](Document& d) { d.TrouCentralSerie = 80; }), E::ZonesIncorrectes);
    EXPECT_EQ(etat([](Document& d) { d.Lectures[2][LigneMoyennes][1] = 1e300; }),
              E::ValeursHorsLimites);
    EXPECT_EQ(etat([](Document& d) { d.FocaleSerie = 1e-320; }), E::ValeursHorsLimites);
    EXPECT_FALSE(TexteEtatReduction(E::AucuneLigneValidee).empty());
}

// Equal neighbouring radii are accepted by the data entry: a zone of zero width has no
// parabola through its two edges and no slope to extrapolate, yet the report is computed.
TEST(Reduction, ZonesDeLargeurNulle) {
    for (const auto& rayons :
         {std::vector<double>{0, 0, 1, 3}, std::vector<double>{30, 100, 100, 100}}) {
        Document doc = SerieEssai(200, 1200, {1, 2, 3, 4}, {0.2, 0.9, 1.9, 3.5});
        for (int i = 0; i < 4; ++i)
            doc.Zones[i + 1][RayonExterieur] = rayons[i];
        const ResultatReduction r = CalculeBulletin(doc);
        ASSERT_TRUE(r.Calculee());
        EXPECT_TRUE(std::isfinite(r.Parabole.EcartMax) && std::isfinite(r.Echelle.AberrationBord));
    }
}

} // namespace
} // namespace tarvo
