#include "BancSaisie.h"

#include "entry/Placement.h"
#include "entry/Valide.h"
#include "optics/Zonage.h"
#include "pages/commun/MasqueNombre.h"

#include <vector>

namespace tarvo::test {
namespace {

using V = std::vector<double>;
const auto N = [](const auto& liste) { return double(liste.size()); };

// A mirror of 200 mm at F/D 6, laid out in 4 zones (radii 39, 62, 82, 100), dated day 1.
struct Valider : BancSaisie {
    Valider() {
        doc.Diametre = doc.DiametreSerie = 200;
        doc.Focale = doc.FocaleSerie = 1200;
        doc.RayonCourbure = 2400;
        ChoisitNombreZones(doc);
        doc.DateSerie = 1;
    }
    // The editor placed on a kind with its before-value (placement itself is not tested
    // here), then the text typed and validated.
    void Saisit(std::uint32_t champ, double avant, const std::string& texte, int zone = 0) {
        saisie.ChampCourant = champ;
        saisie.ValeurAvantSaisie = avant;
        saisie.NombreZonesAvantSaisie = doc.NombreZones;
        saisie.ZoneCourante = static_cast<std::int8_t>(zone);
        saisie.TexteRejete = false;
        Tape(texte);
        Valide(c);
    }
    V R() const {
        V r;
        for (int i = 1; i <= 10; ++i)
            r.push_back(doc.Zones[i][RayonExterieur]);
        return r;
    }
    // Every stored value a rule may touch.
    V Empreinte() const {
        V e = R();
        e.insert(e.end(), {doc.Diametre, doc.Focale, doc.RayonCourbure, doc.Epaisseur,
                           doc.CoefDeformation, doc.TrouCentral, doc.DiametreSerie, doc.FocaleSerie,
                           doc.TrouCentralSerie, doc.DateSerie, double(doc.NombreZones),
                           double(doc.Modifie + 2 * doc.ModifieBulletin)});
        return e;
    }
    // "N: r(1) .. r(N)", the radii that are not 0.
    std::string Zonage() const {
        std::string texte = std::to_string(doc.NombreZones) + ":";
        for (const double r : R())
            if (r > 0) texte += " " + FormateGeneral(r, ',');
        return texte;
    }
    std::string Dernier() const { return Messages().empty() ? "" : Messages().back(); }
};

TEST(NatureNombre, ClasseLesTextes) {
    const std::pair<const char*, int> cas[] = {
        {"12", 1}, {"1 2", 1}, {"-3", 1}, {"1,5", 2}, {".5", 2},    {"5.", 2}, {"-,5", 2},
        {"", 0},   {".", 0},   {"-", 0},  {"--1", 0}, {"1.2,3", 0}, {"1a", 0}, {"+1", 0}};
    for (const auto& [texte, nature] : cas)
        EXPECT_EQ(NatureNombre(texte), nature) << texte;
    EXPECT_EQ(SansBlancs(" 1 200 "), "1200");
}

TEST_F(Valider, RejetsMessagesChampRenduCourantEtTexteGardeDesAutresChamps) {
    // clang-format off
    struct Rejet { std::uint32_t champ; double avant; const char *texte, *message;
                   std::uint32_t courant; const char* editeur; };
    const Rejet rejets[] = {
        {12, 200, "1 200", "Le diamètre doit être inférieur à 1000mm", 1, "1200"},
        {12, 200, "0,4", "Le diamètre doit être supérieur à 1mm", 1, "200"},
        {13, 1200, "30000", "La distance focale doit être inférieure à 30000mm (30m)", 12, "30000"},
        {4, 2400, "60000", "Le rayon de courbure doit être inférieur à 60000mm (60m)", 13, "60000"},
        {5, 0, "2000", "L'épaisseur doit être inférieure à 2000mm", 4, "2000"},
        {6, -1, "-5,001", "Le Coefficient de déformation doit être supérieur à -5", 5, "-5,001"},
        {6, -1, "5", "Le Coefficient de déformation doit être inférieur à 5", 5, "5"},
        {7, 4, "11", "10 zones au maximum", 10, "11"},
        {7, 4, "1", "2 zones au minimum", 10, "1"},
        {8, 62, "82,1", "Le rayon d'une zone ne peut pas être supérieur au rayon de la zone "
                        "suivante", 8, "82,1"},
        {8, 62, "38,9", "Le rayon d'une zone ne peut pas être inférieur au rayon de la zone "
                        "précédente", 8, "38,9"},
        {10, 0, "100,1", "Le diamètre du trou central ne peut pas être supérieur à la moitié du "
                         "diamètre du miroir", 6, "0"},
        {11, 0, "78,1", "Le rayon du trou central ne peut pas être supérieur au rayon de la "
                        "première zone", 11, "0"},
        {2, 200, "200,1", "Le diamètre ne peux pas être augmenté.", 2, "200,1"},
        {2, 200, "0,5", "Le diamètre doit être supérieur à 1mm", 2, "200"},
        {3, 1200, "1320", "La distance focale doit être inférieure à 30000mm (30m) et elle ne "
                          "doit pas être à plus de 10% de la valeur initiale", 3, "1320"}};
    // clang-format on
    for (const Rejet& r : rejets) {
        SCOPED_TRACE(r.texte);
        dialogues.Messages.clear();
        const V avant = Empreinte();
        Saisit(r.champ, r.avant, r.texte, 2);
        EXPECT_EQ(Messages(), std::vector<std::string>{r.message});
        EXPECT_EQ(saisie.ZoneCourante, r.champ == Champ::RayonZone ? 1 : 2);
        EXPECT_EQ(std::pair(saisie.ChampCourant, Editeur()),
                  std::pair(r.courant, std::string(r.editeur)));
        EXPECT_EQ(Empreinte(), avant);
        // The editor hidden or the focus lost: the kind made current never takes the text,
        // and a report value's second rejection is silent.
        Valide(c);
        EXPECT_EQ(std::tuple(Empreinte(), doc.Intitule, N(Messages()), MessageAffiche_),
                  std::tuple(avant, "", 1.0, false));
    }
}

TEST_F(Valider, TextesIgnoresSansMessage) {
    // The last ones: no zone, the rim's zone, and a hole of exactly half the diameter.
    const std::tuple<std::uint32_t, const char*, int> ignores[] = {
        {12, "abc", 1}, {12, "1,2,3", 1}, {12, ",", 1},  {12, "", 1},
        {12, "-5", 1},  {13, "1..2", 1},  {7, "3,0", 1}, {7, "0", 1},
        {7, "-3", 1},   {8, "0", 1},      {5, "-1", 1},  {6, "-", 1},
        {4, "1e3", 1},  {8, "90", 0},     {8, "90", 4},  {10, "100", 1}};
    for (const auto& [champ, texte, zone] : ignores) {
        SCOPED_TRACE(texte);
        const V avant = Empreinte();
        const int redessins = Redessins;
        Saisit(champ, 0, texte, zone);
        EXPECT_EQ(std::tuple(Messages().size(), N(dialogues.Questions), Empreinte(), Editeur(),
                             Redessins),
                  std::tuple(0u, 0.0, avant, SansBlancs(texte), redessins + 1));
    }
}

TEST_F(Valider, EngagementsArrondisFormatsEtDrapeaux) {
    // clang-format off
    struct Cas { std::uint32_t champ; double avant; const char* texte; double* valeur;
                 double attendu; const char* editeur; };
    const Cas engagements[] = {{5, 0, "12,25", &doc.Epaisseur, 12.2, "12,2"},
                               {6, -1, "-0,1234", &doc.CoefDeformation, -0.1234, "-0,123"},
                               {6, -1, "-5", &doc.CoefDeformation, -5, "-5,000"},
                               {11, 0, "30", &doc.TrouCentralSerie, 30, "30"},
                               {8, 62, "82", &doc.Zones[2][RayonExterieur], 82, "82,0"}};
    // clang-format on
    for (const Cas& k : engagements) {
        SCOPED_TRACE(k.texte);
        doc.Modifie = false;
        doc.DateSerie = 1;
        Saisit(k.champ, k.avant, k.texte, 2);
        EXPECT_EQ(std::tuple(*k.valeur, Editeur(), doc.Modifie, doc.ModifieBulletin, doc.DateSerie),
                  std::tuple(k.attendu, k.editeur, true, false, systeme.Jour));
    }
    doc.Modifie = false;
    Saisit(5, 12.2, "12,2"); // typed again as it was: nothing changes
    EXPECT_FALSE(doc.Modifie);
    Saisit(1, 0, "  Mon miroir  ");
    EXPECT_EQ(doc.Intitule + "|" + Editeur(), "Mon miroir|Mon miroir");
}

// The zone layout of the commits, one step after the other: the count, then the radii.
TEST_F(Valider, ZonesDesDiametreFocaleRayonTrouEtNombre) {
    doc.Lectures[1][1][1] = doc.Lectures[0][2][2] = 1;
    // clang-format off
    // '-': no question may be asked; 'O' / 'N': one is, answered Yes / No.
    struct Etape { std::uint32_t champ; double avant; const char* texte; char reponse;
                   const char* zones; };
    const Etape etapes[] = {
        {12, 200, "0", '-', "3:"},                           // no diameter, no zones
        {12, 0, "200", '-', "4: 39 62 82 100"},              // a first diameter
        {12, 200, "250", 'N', "4: 39 62 82 125"},            // larger: No keeps all but the rim
        {12, 200, "250,04", 'O', "6: 37 60 78 95 110 125"},
        {12, 250, "200", '-', "4: 39 62 82 100"},            // the rim inside zone N − 1
        {13, 1200, "1500", 'N', "4: 39 62 82 100"},          // a change asks, No keeps the table
        {13, 1500, "1000", 'O', "5: 34 54 71 86 100"},
        {13, 1000, "0", '-', "3:"},                          // no focal length, no zones
        {4, 0, "2400", '-', "4: 39 62 82 100"},              // a first radius of curvature
        {10, 0, "30", 'N', "4: 39 62 82 100"},               // a hole below r(1) asks
        {10, 30, "40", '-', "4: 51 70 86 100"},              // from r(1) on, it does not
        {7, 4, "5", '-', "5: 47 63 76 88 100"},              // the count typed: radii for it
        {7, 5, "2", '-', "2: 70 100"}};
    // clang-format on
    for (const Etape& e : etapes) {
        SCOPED_TRACE(e.texte);
        const std::size_t questions = dialogues.Questions.size();
        if (e.reponse != '-') dialogues.Reponses = {e.reponse == 'O' ? Reponse::Oui : Reponse::Non};
        Saisit(e.champ, e.avant, e.texte);
        EXPECT_EQ(dialogues.Questions.size(), questions + (e.reponse == '-' ? 0 : 1));
        EXPECT_EQ(Zonage(), e.zones);
    }
    EXPECT_EQ((V{doc.Focale, doc.RayonCourbure, doc.TrouCentralSerie}), (V{1200, 2400, 40}));
    // The new count cleared the readings in memory and their flags.
    EXPECT_EQ((V{doc.Lectures[1][1][1], doc.Lectures[0][2][2]}), (V{0, 0}));
    doc.TrouCentral = 80;
    Saisit(12, 200, "150"); // the hole held to half the diameter
    EXPECT_EQ((V{doc.TrouCentral, doc.DiametreSerie}), (V{75, 150}));
    EXPECT_TRUE(Messages().empty());
}

// With other series in the file the count stays: typed, it is refused; proposed, it is told.
TEST_F(Valider, NombreDeZonesGardeAvecPlusieursSeries) {
    doc.NombreSeries = 2;
    Saisit(7, 4, "5");
    EXPECT_EQ(Dernier(), "Le nombre de zones ne peut pas être modifié : le fichier contient "
                         "d'autres séries mesurées avec ce nombre de zones.");
    EXPECT_EQ(saisie.ChampCourant, Champ::TrouCentral);
    dialogues.Reponses = {Reponse::Oui};
    Saisit(12, 200, "250");
    EXPECT_EQ(Zonage(), "4: 49 78 103 125");
    EXPECT_EQ(Dernier(), "Le nombre de zones proposé (6) n'est pas appliqué : le fichier "
                         "contient d'autres séries mesurées avec 4 zones.");
    Saisit(12, 250, "0");
    EXPECT_EQ(Zonage(), "4:");
}

TEST_F(Valider, LecturesArrondiesEtLigneValidee) {
    Page = "EditionMesures";
    saisie.ChampCourant = Champ::Lecture;
    saisie.LigneCourante = saisie.DiametreCourant = 1;
    auto cellule = [&](int colonne, const std::string& texte) {
        saisie.ColonneCourante = static_cast<std::int8_t>(colonne);
        AffichePage(); // the page places the editor on the cell, with its before-value
        Saisit(9, saisie.ValeurAvantSaisie, texte);
    };
    const std::pair<int, const char*> lignes[] = {
        {2, "1,2345"}, {3, "2"}, {4, "3"}, {1, "999,999"}};
    for (const auto& [colonne, texte] : lignes)
        cellule(colonne, texte);
    const auto& l = doc.Lectures;
    EXPECT_EQ((V{l[2][1][1], l[1][1][1], l[0][1][1]}), (V{1.234, 999.999, 1})); // complete
    cellule(1, ""); // erasing a reading un-validates the line
    EXPECT_EQ((V{l[1][1][1], l[0][1][1]}), (V{0, 0}));
    cellule(2, "1000");
    EXPECT_EQ(Dernier(), "Tarvo n'accepte pas de valeur de mesure supérieure à 1000");
    // The cell before it, and the redraw placed the editor there with its reading.
    EXPECT_EQ((V{double(saisie.ColonneCourante), l[2][1][1]}), (V{1, 1.234}));
    EXPECT_EQ(Editeur(), "");
    Tape("0,5"); // that placement ended the rejected text
    Valide(c);
    EXPECT_EQ(l[1][1][1], 0.5);
    saisie.ColonneCourante = 5; // outside the grid of 4 zones
    Valide(c);
    EXPECT_EQ(l[5][1][1], 0);
}

TEST_F(Valider, ValeursDuBulletin) {
    Page = "Bulletin";
    dialogues.Reponses = {Reponse::Oui};
    Saisit(4, 0, "2600"); // the report's radius is the series focal length only
    EXPECT_EQ((V{doc.Focale, doc.FocaleSerie, N(dialogues.Questions)}), (V{1200, 1300, 0}));
    EXPECT_EQ(Zonage(), "4: 39 62 82 100");
    doc.FocaleSerie = 1200;
    doc.Modifie = false;
    Saisit(2, 200, "180");
    EXPECT_EQ((V{doc.DiametreSerie, double(doc.ModifieBulletin), double(doc.Modifie)}),
              (V{180, 1, 0}));
    for (int fois = 1; fois <= 2; ++fois) {
        Saisit(2, 180, "164"); // 82 does not exceed r(3)
        EXPECT_EQ(Dernier(), "Le diamètre doit être supérieur au diamètre de la zone 3");
        Valide(c); // the hidden editor loses the focus: silent
        EXPECT_EQ((V{doc.DiametreSerie, N(Messages())}), (V{180, double(fois)}));
    }
    Saisit(3, 1200, "1318,8"); // 9.9 %
    EXPECT_EQ(doc.RayonCourbure, 2637.6);
    Saisit(3, 1200, "1080"); // 10 %
    EXPECT_EQ(doc.FocaleSerie, 1200);
    doc.Focale = 0;
    Saisit(3, 1200, "1200"); // after a shown rejection, the next one is silent
    EXPECT_EQ(N(Messages()), 3);
    doc.Modifie = false;
    doc.NombreSeries = 2; // an older series takes nothing
    Saisit(11, 0, "30");
    Saisit(2, 180, "190");
    Saisit(4, 2600, "2500");
    EXPECT_EQ((V{doc.TrouCentralSerie, doc.DiametreSerie, doc.FocaleSerie, double(doc.Modifie)}),
              (V{0, 180, 1200, 0}));
}

} // namespace
} // namespace tarvo::test
