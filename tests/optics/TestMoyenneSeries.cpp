#include "optics/MoyenneSeries.h"
#include "optics/ResumeSerie.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvo {
namespace {

using Lignes = std::vector<std::vector<double>>;

// Series `numero` of a 200 mm F/6 on four zones, its validated lines on each diameter.
Document Serie(int numero, const Lignes& d1, const Lignes& d2, double diametre = 200,
               double focale = 1200, double trou = 0) {
    Document doc;
    doc.Diametre = doc.DiametreSerie = diametre;
    doc.Focale = doc.FocaleSerie = focale;
    doc.TrouCentral = doc.TrouCentralSerie = trou;
    doc.NombreZones = 4;
    const double rayons[] = {0, 45, 65, 83, 100};
    for (int i = 1; i <= 4; ++i) doc.Zones[i][RayonExterieur] = rayons[i];
    doc.SerieCourante = numero;
    doc.DateSerie = 46000 + numero;
    const Lignes* diametres[] = {&d1, &d2};
    for (int k = 1; k <= 2; ++k)
        for (std::size_t j = 0; j < diametres[k - 1]->size(); ++j) {
            doc.Lectures[0][j + 1][k] = 1;
            for (int i = 1; i <= 4; ++i)
                doc.Lectures[i][j + 1][k] = (*diametres[k - 1])[j][static_cast<std::size_t>(i - 1)];
        }
    CalculeMoyennes(doc);
    return doc;
}

const Lignes A1{{0.61, 1.52, 2.50, 3.71}, {0.63, 1.50, 2.52, 3.69}};
const Lignes A2{{0.60, 1.49, 2.51, 3.70}};
const Lignes B1{{0.66, 1.55, 2.49, 3.66}, {0.64, 1.53, 2.47, 3.68}, {0.65, 1.54, 2.48, 3.67}};

// Every validated reading of the chosen series pooled, each diameter apart, worked by hand.
TEST(MoyenneSeries, LesLecturesReuniesDiametreParDiametre) {
    const Document a = Serie(2, A1, A2), b = Serie(5, B1, {});
    const MoyenneDeSeries m = CalculeMoyenne({&a, &b});
    EXPECT_EQ(m.Sources, (std::vector<int>{2, 5}));
    EXPECT_EQ(m.Libelle, "Moyenne des séries 2, 5");
    EXPECT_EQ(m.Lignes.Nombre(1), 5);
    EXPECT_EQ(m.Lignes.Nombre(2), 1);
    const auto& l = m.Serie.Lectures;
    EXPECT_EQ(l[0][LigneMoyennes][1], 5);
    EXPECT_DOUBLE_EQ(l[1][LigneMoyennes][1], (0.61 + 0.63 + 0.66 + 0.64 + 0.65) / 5);
    EXPECT_DOUBLE_EQ(l[4][LigneMoyennes][1], (3.71 + 3.69 + 3.66 + 3.68 + 3.67) / 5);
    EXPECT_DOUBLE_EQ(l[3][LigneMoyennes][2], 2.51);
    EXPECT_EQ(m.Serie.DateSerie, b.DateSerie);

    // The same series twice averages to itself: its report and figures, twice its lines.
    const MoyenneDeSeries double_ = CalculeMoyenne({&a, &a});
    for (int i = 1; i <= 4; ++i)
        for (int k = 1; k <= 2; ++k)
            EXPECT_DOUBLE_EQ(double_.Serie.Lectures[i][LigneMoyennes][k],
                             a.Lectures[i][LigneMoyennes][k]);
    const ResumeSerie seule = ResumeDe(a), moyenne = ResumeDe(double_.Serie, &double_.Lignes);
    ASSERT_TRUE(seule.Calculee() && moyenne.Calculee());
    EXPECT_DOUBLE_EQ(*moyenne.EcartMax, *seule.EcartMax);
    EXPECT_DOUBLE_EQ(*moyenne.EcartRMS, *seule.EcartRMS);
    EXPECT_DOUBLE_EQ(*moyenne.Conique, *seule.Conique);
    EXPECT_EQ(moyenne.Lectures, 2 * seule.Lectures);
}

TEST(MoyenneSeries, CeQuiNePeutEntrerDansLaMoyenne) {
    const Document reference = Serie(1, A1, A2);
    const struct {
        Document Serie;
        const char* Motif;
    } cas[] = {
        {Serie(2, {}, {}), "aucune ligne validée"},
        {Serie(3, A1, {}, 150), "diamètre de 150,0 mm au lieu de 200,0 mm"},
        {Serie(4, A1, {}, 200, 1250), "focale de 1250,0 mm au lieu de 1200,0 mm"},
        {Serie(5, A1, {}, 200, 1200, 40), "trou central de 40,0 mm au lieu de 0,0 mm"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(MotifIncompatible(reference, c.Serie, ',').value_or("compatible"), c.Motif);
    EXPECT_FALSE(MotifIncompatible(reference, Serie(6, B1, A2), ','));
}

} // namespace
} // namespace tarvo
