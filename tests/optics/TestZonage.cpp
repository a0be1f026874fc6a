#include "optics/Zonage.h"

#include <gtest/gtest.h>

#include <cmath>

#include <vector>

namespace tarvo {
namespace {

std::vector<double> Propose(double d, double f, double h) {
    Document doc;
    doc.Diametre = d;
    doc.Focale = f;
    doc.TrouCentral = h;
    for (auto& ligne : doc.Zones)
        ligne[RayonExterieur] = 999;
    ChoisitNombreZones(doc);
    std::vector<double> rayons;
    for (int i = 1; i <= ZonesMax; ++i) {
        if (i <= doc.NombreZones)
            rayons.push_back(doc.Zones[i][RayonExterieur]);
        else
            EXPECT_EQ(doc.Zones[i][RayonExterieur], 0) << "zone " << i;
    }
    return rayons;
}

TEST(Zonage, PropositionsDeReference) {
    using V = std::vector<double>;
    EXPECT_EQ(Propose(200, 1200, 0), (V{39, 62, 82, 100}));
    EXPECT_EQ(Propose(250, 1250, 0), (V{37, 60, 78, 95, 110, 125}));
    EXPECT_EQ(Propose(300, 1500, 60), (V{66, 87, 105, 121, 136, 150}));
    // The first radius is 50 mathematically; the program has always proposed 49.
    EXPECT_EQ(Propose(400, 1800, 0), (V{49, 79, 104, 125, 146, 165, 182, 200}));
    const V grand = Propose(600, 2400, 0);
    ASSERT_EQ(grand.size(), 10u);
    EXPECT_EQ(grand.back(), 300);
    EXPECT_EQ(Propose(114, 900, 0), (V{27, 43, 57}));
}

TEST(Zonage, BandesEtCasLimites) {
    EXPECT_EQ(NombreZonesPropose(100, 200, 0), 7); // small and fast
    EXPECT_EQ(NombreZonesPropose(800, 8000, 0), 10);
    EXPECT_EQ(NombreZonesPropose(200, 1250, 0), 4); // F/D 6.25 reads as 62
    // The focal ratio is held in 16 bits: 10 F/D = 65546 reads as 10.
    EXPECT_EQ(NombreZonesPropose(2, 13109.2, 0), 7);
    EXPECT_EQ(NombreZonesPropose(100, 600, 200), 3); // hole wider than the mirror

    // Mirrors of 4 mm or less keep fractional radii.
    const auto petit = RayonsZones(4, 0, 3);
    EXPECT_NE(petit[1], std::trunc(petit[1]));
    EXPECT_EQ(RayonsZones(5, 0, 3)[1], std::trunc(RayonsZones(5, 0, 3)[1]));
    // No count, or a diameter beyond any mirror: no radii at all.
    EXPECT_EQ(RayonsZones(200, 0, 0), (std::array<double, ZonesMax + 1>{}));
    EXPECT_EQ(RayonsZones(1e300, 0, 4), (std::array<double, ZonesMax + 1>{}));
}

} // namespace
} // namespace tarvo
