#include "optics/ColonnesZones.h"
#include "optics/Feuille.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvo {
namespace {

Document MiroirDe200() {
    Document doc;
    doc.Diametre = doc.DiametreSerie = 200;
    doc.Focale = doc.FocaleSerie = 1200;
    doc.Epaisseur = 25;
    doc.CoefDeformation = -1;
    doc.NombreZones = 3;
    doc.Zones[1][RayonExterieur] = 40;
    doc.Zones[2][RayonExterieur] = 70;
    doc.Zones[3][RayonExterieur] = 100;
    return doc;
}

TEST(Feuille, ExempleDuMiroirDe200) {
    Document doc = MiroirDe200();
    const ResultatFeuille f = CalculeFeuille(doc);
    ASSERT_TRUE(f.Calculee());
    EXPECT_EQ(f.RayonCourbure, 2400);
    EXPECT_EQ(doc.RayonCourbure, 2400);
    EXPECT_NEAR(f.RayonTache, 4.0992, 1e-12);
    EXPECT_NEAR(f.RayonTacheAngulaire, 0.7046, 5e-5);
    EXPECT_NEAR(f.EpaisseurMinimale, 22.36, 5e-3);
    EXPECT_NEAR(*f.Profondeur, 2.0842, 5e-5);
    EXPECT_NEAR(*f.VolumeConcavite, 32.744, 5e-4);
    EXPECT_NEAR(*f.MasseVerreUsine, 73.58, 5e-3);
    EXPECT_NEAR(*f.MasseMiroir, 1.6912, 5e-5);
    EXPECT_EQ(DecimalesMasseMiroir(*f.MasseMiroir), 2);
    EXPECT_NEAR(f.EchelleImage, 5.8178, 5e-5);
    EXPECT_EQ(RapportFDEcran(doc), 6);
    EXPECT_EQ(RapportR4SurE2(doc), 1600);

    const double attendu[4][5] = {{},
                                  {20, 0.1667, 0.9838, 1.1505, -0.8171},
                                  {55, 1.2604, 0.3577, 1.6182, 0.9027},
                                  {85, 3.0104, 0.2315, 3.2419, 2.7789}};
    for (int z = 1; z <= 3; ++z) {
        const ZoneFeuille& zone = f.Zones[z];
        EXPECT_EQ(zone.Hm, attendu[z][0]);
        EXPECT_NEAR(zone.Hm2SurR, attendu[z][1], 5e-5);
        EXPECT_NEAR(*zone.DemiTolerance, attendu[z][2], 5e-5);
        EXPECT_NEAR(*zone.TolSup, attendu[z][3], 5e-5);
        EXPECT_NEAR(*zone.TolInf, attendu[z][4], 5e-5);
        // The pages read the same values from the zone table, and the graph's curves meet
        // the zone's ticks.
        EXPECT_EQ(doc.Zones[z][ColonneTolInf], *zone.TolInf);
        EXPECT_NEAR(*TolSup(zone.Hm, f.Bande()), *zone.TolSup, 1e-12);
        EXPECT_NEAR(*TolInf(zone.Hm, f.Bande()), *zone.TolInf, 1e-12);
    }
}

TEST(Feuille, ConiqueTrouEtDecimalesDeLaMasse) {
    Document doc = MiroirDe200();
    doc.CoefDeformation = 0;
    ResultatFeuille f = CalculeFeuille(doc);
    for (int z = 1; z <= 3; ++z) {
        EXPECT_EQ(f.Zones[z].Hm2SurR, 0);
        EXPECT_EQ(*f.Zones[z].TolSup, -*f.Zones[z].TolInf);
    }
    doc.CoefDeformation = 0.0001; // no dead band on the work sheet
    EXPECT_NEAR(CalculeFeuille(doc).Zones[1].Hm2SurR, -0.0001 * 400 / 2400, 1e-18);
    doc.TrouCentral = 30;
    EXPECT_EQ(CalculeFeuille(doc).Zones[1].Hm, 27.5);

    EXPECT_EQ(DecimalesMasseMiroir(0.05), 4);
    EXPECT_EQ(DecimalesMasseMiroir(0.5), 3);
    EXPECT_EQ(DecimalesMasseMiroir(10.05), 2); // T = 100
    EXPECT_EQ(DecimalesMasseMiroir(10.5), 1);
    EXPECT_EQ(DecimalesMasseMiroir(30), 1);
}

// A focal length under a quarter of the diameter: no depth, nor what follows from it, and
// everything else still computed. Exactly a quarter is the half-sphere.
TEST(Feuille, SansProfondeurPlusCourteQueLaDemiSphere) {
    Document doc = MiroirDe200();
    doc.Focale = 49.9;
    ResultatFeuille f = CalculeFeuille(doc);
    ASSERT_TRUE(f.Calculee());
    EXPECT_FALSE(f.Profondeur || f.VolumeConcavite || f.MasseVerreUsine || f.MasseMiroir);
    EXPECT_TRUE(std::isfinite(f.EchelleImage) && f.Zones[3].TolSup);
    doc.Focale = 50;
    EXPECT_EQ(CalculeFeuille(doc).Profondeur, 100);
}

TEST(Feuille, RefusEtZoneSansTolerance) {
    Document doc = MiroirDe200();
    doc.Diametre = 1;
    EXPECT_EQ(CalculeFeuille(doc).Etat, EtatFeuille::CaracteristiquesIncorrectes);
    doc = MiroirDe200();
    doc.Epaisseur = 1e300;
    doc.RayonCourbure = 7;
    EXPECT_EQ(CalculeFeuille(doc).Etat, EtatFeuille::ValeursHorsLimites);
    EXPECT_EQ(doc.RayonCourbure, 7);
    EXPECT_FALSE(RapportR4SurE2(Document{}));
    EXPECT_FALSE(RapportFDPapier(Document{}));

    // A tiny mirror's layout may start with a radius of 0: that zone has no band.
    doc = MiroirDe200();
    doc.Zones[1][RayonExterieur] = 0;
    const ResultatFeuille f = CalculeFeuille(doc);
    EXPECT_FALSE(f.Zones[1].DemiTolerance || f.Zones[1].TolSup || f.Zones[1].TolInf);
    EXPECT_TRUE(f.Zones[2].TolSup);
    EXPECT_EQ(doc.Zones[1][ColonneDemiTolerance], 0);
    EXPECT_FALSE(TolSup(0, f.Bande()));
}

} // namespace
} // namespace tarvo
