#include "optics/ColonnesZones.h"
#include "optics/EchelleAberrations.h"
#include "optics/Parabole.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvo {
namespace {

// Wavefront points 0..n: radius and `Onde`.
TableZones Onde(const std::vector<double>& x, const std::vector<double>& w) {
    TableZones zones{};
    for (std::size_t i = 0; i < x.size(); ++i) {
        zones[i][RayonExterieur] = x[i];
        zones[i][ColonneOnde] = w[i];
    }
    return zones;
}

TEST(Parabole, UneOndeParaboliqueNaAucunEcart) {
    std::vector<double> x{0, 30, 60, 85, 100}, w;
    for (const double h : x)
        w.push_back(0.0123 * h * h);
    const auto p = MeilleureParabole(Onde(x, w), 4);
    ASSERT_TRUE(p);
    EXPECT_LT(p->EcartMax, 1e-9);
    EXPECT_NEAR(p->Coefficients.A, 0.0123, 1e-15);
}

// One zone raised above a flat wavefront: three pairs give the same flat parabola, and the
// first of them in (a, b) order is kept.
TEST(Parabole, LePremierCandidatGagneUneEgalite) {
    const auto p = MeilleureParabole(Onde({0, 1, 2, 3}, {0, 0, 100, 0}), 3);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->PointParabole1, 0);
    EXPECT_EQ(p->PointParabole2, 1);
    EXPECT_EQ(p->PointEcartMax, 2);
    EXPECT_EQ(p->EcartMax, 100);
}

// With a hole, point 0 is the hole's edge (on the line from the centre to the first zone's
// edge), but the candidates with a = 0 go through the centre itself.
TEST(Parabole, AvecTrouLesCandidatsPassentParLeCentre) {
    const auto p = MeilleureParabole(Onde({20, 50, 100}, {10, 25, 100}), 2);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->PointParabole1, 0);
    EXPECT_EQ(p->PointParabole2, 1);
    EXPECT_EQ(p->Coefficients.B, 0);
    EXPECT_EQ(p->PointEcartMax, 0);
    EXPECT_NEAR(p->EcartMax, 6, 1e-12);
    // Two points at the same radius define no parabola.
    EXPECT_FALSE(ParaboleParDeuxPoints(Onde({0, 50, 50}, {0, 1, 2}), 1, 2));
}

TEST(Parabole, FractionDeLambda) {
    EXPECT_EQ(FractionLambda(70), 8);
    EXPECT_EQ(FractionLambda(-70), 8);
    EXPECT_FALSE(FractionLambda(0));
    EXPECT_FALSE(FractionLambda(1e-320)); // 560 / ε overflows
}

TableZones Aberrations(const std::vector<double>& hm, const std::vector<double>& v) {
    TableZones zones{};
    for (std::size_t i = 0; i < hm.size(); ++i) {
        zones[i + 1][ColonneHm] = hm[i];
        zones[i + 1][ColonneAberrationTransversale] = v[i];
    }
    return zones;
}

TEST(EchelleAberrations, ExtremesBordEtCentre) {
    // Rising towards the rim: the extrapolated rim value is the largest, point N + 1.
    ResultatEchelle e = EchelleAberrations(Aberrations({10, 20, 30}, {1, 2, 4}), 3, 40, 4);
    EXPECT_EQ(e.AberrationBord, 6);
    EXPECT_EQ(e.FMax, 6);
    EXPECT_EQ(e.PointFMax, 4);
    EXPECT_EQ(e.AberrationCentre, 0);
    EXPECT_EQ(e.Max, 6);
    EXPECT_EQ(e.Etendue, 16); // never under ±2 spot radii

    // A negative first zone dominates; the centre value, further out, is not counted.
    e = EchelleAberrations(Aberrations({10, 20, 30}, {-8, 1, 2}), 3, 35, 1);
    EXPECT_EQ(e.FMax, -8);
    EXPECT_EQ(e.PointFMax, 1);
    EXPECT_EQ(e.AberrationCentre, -17);
    EXPECT_EQ(e.Min, -8);
    EXPECT_EQ(e.Etendue, 10.5);

    // Two zones at the same mean radius: flat extrapolation.
    e = EchelleAberrations(Aberrations({10, 10, 30, 30}, {1, 3, 2, 5}), 4, 40, 1);
    EXPECT_EQ(e.AberrationCentre, 1);
    EXPECT_EQ(e.AberrationBord, 5);
}

} // namespace
} // namespace tarvo
