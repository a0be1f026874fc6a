#include "document/Document.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(Document, ApresInitialisationRienNEstCalculable) {
    Document doc;
    doc.Diametre = 200;
    doc.Lectures[1][3][2] = 4.5;
    doc.NomPropose = "miroir.bdc";
    InitialiseDocument(doc, 45000);
    EXPECT_FALSE(CaracteristiquesValides(doc));
    EXPECT_EQ(doc.NombreZones, 3);
    EXPECT_EQ(doc.CoefDeformation, -1);
    EXPECT_EQ(doc.Lectures[1][3][2], 0);
    EXPECT_EQ(doc.DateSerie, 45000);
    EXPECT_EQ(doc.NomPropose, "miroir.bdc");
    doc.Diametre = 1;
    doc.Focale = 1200;
    EXPECT_FALSE(CaracteristiquesValides(doc));
    doc.Diametre = 1.01;
    EXPECT_TRUE(CaracteristiquesValides(doc));
}

TEST(Document, MoyennesDesSeulesLignesValidees) {
    Document doc;
    doc.NombreZones = 2;
    doc.Lectures[0][2][1] = 1;
    doc.Lectures[1][2][1] = 1.20;
    doc.Lectures[0][5][1] = 1;
    doc.Lectures[1][5][1] = 1.30;
    // A line with readings but no flag does not count.
    doc.Lectures[1][7][1] = 9;
    CalculeMoyennes(doc);
    EXPECT_EQ(doc.Lectures[0][11][1], 2);
    EXPECT_DOUBLE_EQ(doc.Lectures[1][11][1], 1.25);
    EXPECT_EQ(doc.Lectures[1][11][2], 0);
    EXPECT_EQ(doc.DiametresValides, 1);
}

TEST(Document, SerieNonVideIgnoreLesDrapeaux) {
    Document doc;
    doc.NombreZones = 3;
    doc.Lectures[0][1][1] = 1;
    doc.Lectures[0][1][2] = 1;
    EXPECT_FALSE(SerieNonVide(doc));
    doc.Lectures[3][10][2] = 0.001;
    EXPECT_TRUE(SerieNonVide(doc));
}

TEST(Document, UnNombreDeZonesHorsTableNeDebordePas) {
    Document doc;
    doc.NombreZones = 1000;
    EXPECT_EQ(ZonesUtilisees(doc), ZonesMax);
    doc.NombreZones = -5;
    EXPECT_EQ(ZonesUtilisees(doc), 0);
    CalculeMoyennes(doc);
    EXPECT_FALSE(SerieNonVide(doc));
}

} // namespace
} // namespace tarvo
