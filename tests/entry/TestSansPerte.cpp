#include "BancSaisie.h"
#include "entry/Clavier.h"
#include "entry/Placement.h"
#include "entry/Valide.h"

namespace tarvo::test {
namespace {

struct SansPerte : BancSaisie {};

// Passing over a field with Enter stores nothing: a value shown with fewer decimals than a
// file gave it keeps all of them, and no question is asked.
TEST_F(SansPerte, UnChampTraverseSansFrappeNeChangePas) {
    doc.Diametre = doc.DiametreSerie = 200.25;
    doc.Focale = doc.FocaleSerie = 1200;
    doc.CoefDeformation = -0.5004;
    doc.NombreZones = 4;
    for (int i = 1; i <= 4; ++i)
        doc.Zones[static_cast<std::size_t>(i)][RayonExterieur] = 25.05 * i;
    AffichePage();
    for (const std::uint32_t champ : {Champ::Diametre, Champ::CoefDeformation, Champ::RayonZone}) {
        PlaceEditeur(c, champ, 2);
        FicheSaisieKeyPress(c, U'\r');
    }
    EXPECT_DOUBLE_EQ(doc.Diametre, 200.25);
    EXPECT_DOUBLE_EQ(doc.CoefDeformation, -0.5004);
    EXPECT_DOUBLE_EQ(doc.Zones[2][RayonExterieur], 50.1);
    EXPECT_FALSE(doc.Modifie);
    EXPECT_TRUE(dialogues.Questions.empty());
    // A value typed over it is stored as typed.
    PlaceEditeur(c, Champ::Diametre);
    Tape("199,5");
    Valide(c);
    EXPECT_DOUBLE_EQ(doc.Diametre, 199.5);
}

// A line validated by the user on the last series is a change to save; on an older series
// (shown, never saved) it is only a look.
TEST_F(SansPerte, ValiderUneLigneDeLaDerniereSerieEstAEnregistrer) {
    for (const bool derniere : {true, false}) {
        InitialiseDocument(doc, systeme.Jour);
        doc.Diametre = doc.DiametreSerie = 200;
        doc.Focale = doc.FocaleSerie = 1200;
        doc.NombreZones = 2;
        doc.Lectures[1][3][1] = doc.Lectures[2][3][1] = 1.5;
        doc.NombreSeries = 2;
        doc.SerieCourante = derniere ? 2 : 1;
        Page = "EditionMesures";
        saisie.ChampCourant = Champ::Lecture;
        saisie.LigneCourante = 3;
        saisie.ColonneCourante = saisie.DiametreCourant = 1;
        FicheSaisieKeyPress(c, 12);
        EXPECT_EQ(doc.Lectures[0][3][1], 1) << derniere;
        EXPECT_EQ(doc.Modifie, derniere);
        FicheSaisieKeyPress(c, 4);
        EXPECT_EQ(doc.Lectures[0][3][1], 0) << derniere;
    }
}

} // namespace
} // namespace tarvo::test
