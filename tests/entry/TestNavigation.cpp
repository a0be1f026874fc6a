#include "BancSaisie.h"
#include "entry/Clavier.h"
#include "entry/Navigation.h"
#include "entry/Placement.h"

namespace tarvo::test {
namespace {

using namespace Champ;

struct Clavier : BancSaisie {
    // A 4-zone mirror on its drawn characteristics page, the editor on the name.
    void Caracteristiques() {
        doc.Diametre = 200, doc.Focale = 1200, doc.CoefDeformation = -0.5, doc.NombreZones = 4;
        doc.Intitule = "  Miroir  ", doc.Zones[1][1] = 25, doc.Zones[2][1] = 49.5;
        doc.Zones[3][1] = 75, doc.Zones[4][1] = 100;
        AffichePage();
        PlaceEditeur(c, Intitule);
    }
    // The current kind × 100, plus the zone of a radius.
    int Position() const {
        const auto k = static_cast<int>(saisie.ChampCourant);
        return k * 100 + (k == RayonZone ? saisie.ZoneCourante : 0);
    }
    // A 5-zone grid, the editor on a cell; the cell as line × 100 + column × 10 + diameter.
    void Grille(std::int8_t ligne, std::int8_t colonne, std::int8_t diametre) {
        doc.NombreZones = 5, Page = "EditionMesures", saisie.ChampCourant = Lecture;
        saisie.LigneCourante = ligne, saisie.ColonneCourante = colonne,
        saisie.DiametreCourant = diametre;
        AffichePage();
    }
    int Cellule() const {
        return saisie.LigneCourante * 100 + saisie.ColonneCourante * 10 + saisie.DiametreCourant;
    }
};

TEST_F(Clavier, LesOrdresDesChampsDeLaPage) {
    Caracteristiques();
    const auto& k = cadres.Cadres;
    const auto& b = cadres.ColonnesZones.Bords;
    // The field reached, the editor's left, text and maximum length.
    using Etape = std::tuple<int, int, std::string, int>;
    const Etape tour[] = {{1200, k[2].Gauche, "200", 5},   {1300, k[3].Gauche, "1200", 7},
                          {400, k[4].Gauche, "2400", 7},   {500, k[5].Gauche, "", 6},
                          {600, k[7].Gauche, "-0,500", 6}, {1000, cadres.CadreTrou.Gauche, "", 5},
                          {700, k[8].Gauche, "4", 2},      {801, b[0], "25,0", 5},
                          {802, b[1], "49,5", 5},          {803, b[2], "75,0", 5},
                          {100, k[1].Gauche, "Miroir", 70}};
    for (const Etape& pas : tour) {
        EXPECT_TRUE(FicheSaisieKeyPress(c, 13));
        EXPECT_EQ(Etape(Position(), surface.Controles[Controle::Saisie].Gauche, Editeur(),
                        surface.LongueurMaxSaisie),
                  pas);
    }
    EXPECT_TRUE(FicheSaisieKeyPress(c, 10));
    EXPECT_EQ(Position(), 803);
    PlaceEditeur(c, Intitule);
    FicheSaisieKeyDown(c, Touche::Gauche);
    EXPECT_EQ(Position(), 803);
    // A name from a file longer than the limit is held whole.
    doc.Intitule = std::string(80, 'a');
    PlaceEditeur(c, Intitule);
    EXPECT_EQ(surface.LongueurMaxSaisie, 80);

    // From, Up, Down.
    const int table[][3] = {{100, 801, 1200}, {1200, 100, 500}, {1300, 100, 400},
                            {400, 1300, 600}, {500, 1200, 600}, {600, 500, 1000},
                            {1000, 600, 700}, {700, 1000, 801}, {802, 700, 100}};
    for (const auto& t : table)
        for (const auto& [touche, vers] : {std::pair{Touche::Haut, t[1]}, {Touche::Bas, t[2]}}) {
            PlaceEditeur(c, static_cast<std::uint32_t>(t[0] / 100), t[0] % 100);
            FicheSaisieKeyDown(c, touche);
            EXPECT_EQ(Position(), vers) << t[0];
        }
    // With one zone no radius takes the editor.
    doc.NombreZones = 1;
    PlaceEditeur(c, NombreZones);
    ChampSuivant(c);
    EXPECT_EQ(Position(), 100);
    // Ctrl+L off the grid, the cell out of it: line 1 of diameter 1.
    doc.Lectures[1][1][1] = 1;
    saisie.LigneCourante = -5, saisie.ColonneCourante = 90, saisie.DiametreCourant = 0;
    FicheSaisieKeyPress(c, 12);
    EXPECT_EQ(doc.Lectures[0][1][1], 1);
}

TEST_F(Clavier, LaGrillePasseDUnDiametreALAutre) {
    Grille(10, 5, 1);
    FicheSaisieKeyPress(c, 13);
    EXPECT_EQ(Cellule(), 112);
    Grille(10, 5, 2);
    FicheSaisieKeyPress(c, 13);
    EXPECT_EQ(Cellule(), 111);
    Grille(1, 3, 2);
    FicheSaisieKeyDown(c, Touche::Haut);
    EXPECT_EQ(Cellule(), 1031);
    // Page Down drops the typing; Escape puts the reading back without its trailing zeros.
    doc.Lectures[3][10][2] = 1.25;
    Tape("1.7");
    FicheSaisieKeyDown(c, Touche::PageSuivante);
    EXPECT_EQ(Cellule(), 1032);
    EXPECT_EQ(Editeur(), "1,250");
    EXPECT_EQ(doc.Lectures[3][10][1], 0);
    Tape("2");
    EXPECT_TRUE(FicheSaisieKeyPress(c, 27));
    EXPECT_EQ(Editeur(), "1,25");
    EXPECT_FALSE(FicheSaisieKeyPress(c, U'a'));
}

} // namespace
} // namespace tarvo::test
