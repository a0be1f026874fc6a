#include "optics/OmbresSimulees.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvo {
namespace {

constexpr int Cote = 201;

// A 200 mm mirror of radius of curvature 2400 mm on four zones, its wavefront flat.
ResultatReduction Miroir() {
    ResultatReduction r;
    r.Etat = EtatReduction::Calculee;
    r.NombreZones = 4;
    r.RayonCourbure = 2400;
    const double rayons[] = {0, 45, 65, 83, 100};
    for (std::size_t i = 0; i <= 4; ++i) {
        r.Zones[i].RayonExterieur = rayons[i];
        if (i > 0) r.Zones[i].Hm = (rayons[i - 1] + rayons[i]) / 2;
    }
    return r;
}

// The grey at a point of the mirror given as a fraction of its radius (x to the right).
int Gris(const std::vector<std::uint8_t>& image, double x, double y) {
    const double echelle = Cote / (2 * 1.04);
    const int colonne = static_cast<int>(std::floor(Cote / 2.0 + x * echelle));
    const int ligne = static_cast<int>(std::floor(Cote / 2.0 - y * echelle));
    return image[static_cast<std::size_t>(ligne * Cote + colonne)];
}

// Where the grey crosses half-way along a row, from the centre outwards to the right.
double Bord(const std::vector<std::uint8_t>& image, double y) {
    for (double x = 0.02; x < 0.98; x += 0.002)
        if ((Gris(image, x, y) - 128) * (Gris(image, x + 0.002, y) - 128) <= 0) return x;
    return -1;
}

// The four pictures a maker can check against the eye, each as the textbooks draw it.
TEST(Ombres, CeQueLeCouteauEtLeReseauMontrent) {
    const ResultatReduction r = Miroir();

    // A sphere with the knife at its centre of curvature: one grey all over.
    const RayonsMiroir sphere = RayonsParfaits(r, 0);
    const auto gris = ImageFoucault(sphere, CentreDeZone(r, sphere, 3), Cote);
    for (const double x : {-0.9, -0.5, 0.1, 0.6, 0.95})
        EXPECT_EQ(Gris(gris, x, 0.1), Gris(gris, 0.3, -0.2)) << x;
    EXPECT_EQ(Gris(gris, 1.02, 0), 0);

    // A paraboloid with the knife at the 70 % zone: that zone grey, the doughnut around it
    // (inside, dark on the knife's right; outside, the other way round).
    const RayonsMiroir parabole = RayonsParfaits(r, -1);
    const int zone = ZoneSoixanteDix(r);
    EXPECT_EQ(zone, 3);
    const auto beignet = ImageFoucault(parabole, CentreDeZone(r, parabole, zone), Cote);
    const double soixanteDix = r.Zones[3].Hm / 100;
    EXPECT_NEAR(Gris(beignet, soixanteDix, 0), 128, 20);
    EXPECT_NEAR(Gris(beignet, -soixanteDix, 0), 128, 20);
    EXPECT_LT(Gris(beignet, 0.35, 0), 60);
    EXPECT_GT(Gris(beignet, -0.35, 0), 200);
    EXPECT_GT(Gris(beignet, 0.95, 0), 200);
    EXPECT_LT(Gris(beignet, -0.95, 0), 60);

    // A sphere's Ronchigram off its centre: straight lines (every column one grey), equally
    // spaced (P·R/Δ on the mirror: 61 mm at 10 mm with 100 lines per inch).
    const auto droites = ImageRonchi(sphere, -10, 100, Cote);
    for (const double x : {-0.8, -0.3, 0.05, 0.4, 0.7})
        EXPECT_EQ(Gris(droites, x, 0.6), Gris(droites, x, -0.4)) << x;
    std::vector<double> bords;
    for (double x = -0.95; x < 0.95; x += 0.002)
        if ((Gris(droites, x, 0) - 128) * (Gris(droites, x + 0.002, 0) - 128) <= 0 &&
            (bords.empty() || x - bords.back() > 0.05))
            bords.push_back(x);
    ASSERT_GE(bords.size(), 4u);
    for (std::size_t i = 1; i < bords.size(); ++i)
        EXPECT_NEAR(bords[i] - bords[i - 1], 0.254 * 2400 / 10 / 2 / 100, 0.02);

    // A paraboloid's lines inside focus bow outwards: nearer the axis above and below.
    const auto courbes = ImageRonchi(parabole, -10, 100, Cote);
    const double milieu = Bord(courbes, 0), haut = Bord(courbes, 0.55), bas = Bord(courbes, -0.55);
    ASSERT_GT(milieu, 0);
    EXPECT_LT(haut, milieu - 0.01);
    EXPECT_LT(bas, milieu - 0.01);
}

} // namespace
} // namespace tarvo
