#include "BancPage.h"

#include <algorithm>

// The recording printer: 4760 x 6814 pixels at 600 ppp. Size 10 is a 95 px cell with
// 42 px characters: line step 95, margin 210 ("Marge"); UnitePoint 8; size 7 is 58 px.
// The body starts one line under the title (cell 192): y = 287.

namespace tarvo::test {
namespace {

struct Impression : BancPage {
    void Imprime() {
        modeImpression = true;
        Affiche();
    }
    // y of the lines drawn at the left margin, in order.
    std::vector<std::pair<int, std::string>> LignesDeGauche() {
        std::vector<std::pair<int, std::string>> lignes;
        for (const Trace& t : surface.Papier->DuGenre(Trace::Genre::Texte))
            if (t.X1 == 210) lignes.emplace_back(t.Y1, t.Texte);
        return lignes;
    }
};

TEST_F(Impression, TravailDImpression) {
    Imprime();
    EXPECT_EQ(surface.Journal, (std::vector<std::string>{"MetAJourActions", "MetAJourVue",
                                                         "DebuteImpression", "TermineImpression"}));
    EXPECT_FALSE(modeImpression);
    EXPECT_EQ(miseEnPage.PointsParPouce, 600);
    EXPECT_EQ(miseEnPage.UnitePoint, 8);
    EXPECT_EQ(miseEnPage.DemiPoint, 4);
    EXPECT_EQ(miseEnPage.InterligneImpression, 95);
    EXPECT_EQ(miseEnPage.MargeImpression, 210);
    // Rectangles with a pen of one point.
    for (const Trace& r : surface.Papier->DuGenre(Trace::Genre::Rectangle))
        EXPECT_EQ(r.PlumeUtilisee, (Plume{Noir, StylePlume::Plein, 8}));
    // The screen column width stays the one of the screen, for the editor.
    EXPECT_EQ(miseEnPage.LargeurColonne, 49);

    // A later redraw does not print again.
    surface.Journal.clear();
    Affiche();
    EXPECT_EQ(surface.Journal, (std::vector<std::string>{"MetAJourActions", "MetAJourVue"}));
}

TEST_F(Impression, DialogueAnnule) {
    surface.ImpressionAcceptee = false;
    Imprime();
    EXPECT_FALSE(modeImpression);
    EXPECT_EQ(surface.Papier, nullptr);
    EXPECT_EQ(surface.Journal,
              (std::vector<std::string>{"MetAJourActions", "MetAJourVue", "DebuteImpression"}));
    surface.Journal.clear();
    Affiche();
    EXPECT_EQ(std::count(surface.Journal.begin(), surface.Journal.end(), "DebuteImpression"), 0);
}

TEST_F(Impression, LesCadresSontCeuxDeLEcran) {
    Affiche();
    const CadresPage ecran = cadres;
    cadres = CadresPage{};
    Imprime();
    EXPECT_EQ(cadres.Cadres, ecran.Cadres);
    EXPECT_EQ(cadres.ColonnesZones, ecran.ColonnesZones);
    EXPECT_EQ(cadres.CadreTrou, ecran.CadreTrou);
}

TEST_F(Impression, NouveauDocument) {
    Imprime();
    const Trace& titre = TextePapier("Caractéristiques du miroir parabolique");
    EXPECT_EQ(titre.Y1, 0);
    EXPECT_FALSE(titre.PoliceUtilisee.Gras);
    EXPECT_EQ(titre.PoliceUtilisee.Nom, "Arial");
    EXPECT_EQ(titre.PoliceUtilisee.Hauteur, -167);
    // No value without a series diameter or focal length; no name line.
    EXPECT_EQ(LignesDeGauche(), (std::vector<std::pair<int, std::string>>{
                                    {287, "Diamètre optique = "},
                                    {477, "Forme parabolique"},
                                    {572, "Nombre de zones de l'écran = 3"},
                                }));
    EXPECT_EQ(TextePapier("Distance Focale = ").X1, 2380);
    EXPECT_EQ(TextePapier("Rayon de courbure = ").Y1, 382);
    EXPECT_EQ(surface.Papier->Texte("de "), nullptr);

    // Zone table 142 px under the last line; zone radii of 0 leave their cells empty.
    const CanvasEnregistreur& p = *surface.Papier;
    EXPECT_TRUE(p.ARectangle(210, 714, 210 + 7 * 42 + 64, 856));
    EXPECT_TRUE(p.ARectangle(210, 856, 568, 999));
    EXPECT_TRUE(p.ARectangle(567, 714, 862, 856));
    EXPECT_TRUE(p.ARectangle(567 + 2 * 294, 856, 568 + 3 * 294, 999));
    EXPECT_EQ(TextePapier("Zones").X1, 242);
    EXPECT_EQ(TextePapier("Zones").Y1, 714 + 23);
    EXPECT_EQ(TextePapier("H ext.").Y1, 714 + 166);
    EXPECT_EQ(TextePapier("1").X1, 568 + (294 - 42) / 2);
    EXPECT_EQ(p.Texte("0,0"), nullptr);
    const Trace& pied = p.Traces.back();
    EXPECT_EQ(pied.Texte.rfind("Document réalisé avec le logiciel TARVO - ", 0), 0u);
    EXPECT_EQ(pied.Y1, 999 + 95);
}

TEST_F(Impression, MiroirComplet) {
    doc.Intitule = "Mon 200";
    doc.Diametre = doc.DiametreSerie = 200;
    doc.Focale = doc.FocaleSerie = 1200;
    doc.Epaisseur = 33;
    doc.TrouCentral = 40;
    doc.CoefDeformation = -0.5;
    doc.Zones[2][RayonExterieur] = 62.25;
    doc.Zones[3][RayonExterieur] = 99.9;
    Imprime();
    TextePapier("Caractéristiques du miroir");
    EXPECT_EQ(TextePapier("de Mon 200").Y1, 192);
    EXPECT_EQ(LignesDeGauche(), (std::vector<std::pair<int, std::string>>{
                                    {287, "Diamètre optique = 200 mm"},
                                    {382, "F/D = 6"},
                                    {477, "Rayon de la tache de diffraction = 4,10 "},
                                    {572, "Epaisseur = 33 mm"},
                                    {667, "Coefficient de déformation = -0,500"},
                                    {762, "Diamètre du trou central = 40 mm"},
                                    {857, "Nombre de zones de l'écran = 3"},
                                }));
    EXPECT_EQ(TextePapier("Distance Focale = 1200 mm").X1, 2380);
    EXPECT_EQ(TextePapier("Rayon de courbure = 2400 mm").Y1, 382);

    // The Greek letters are raised by a tenth of the height of ",".
    const Trace& mu = TextePapier("m");
    EXPECT_EQ(mu.PoliceUtilisee.Nom, "Symbol");
    EXPECT_EQ(mu.X1, 210 + 40 * 42);
    EXPECT_EQ(mu.Y1, 477 - 9);
    EXPECT_EQ(TextePapier("m (pour ").Y1, 477);
    EXPECT_EQ(TextePapier("l ").Y1, 477 - 9);

    // R⁴/e² with the small digits at size 7.
    const Trace& r = TextePapier("R");
    EXPECT_EQ(r.X1, 2380);
    EXPECT_EQ(r.Y1, 572);
    EXPECT_EQ(TextePapier("4").PoliceUtilisee.Hauteur, -58);
    EXPECT_EQ(TextePapier(" = 918 cm").PoliceUtilisee.Hauteur, -83);
    EXPECT_EQ(TextePapier(" = 918 cm").Y1, 572);

    // Table under the zone count: top 857 + 142; radius texts end 4 points inside.
    EXPECT_EQ(TextePapier("62,2").X1, 568 + 2 * 294 - 32 - 4 * 42);
    EXPECT_EQ(TextePapier("62,2").Y1, 999 + 166);
    EXPECT_EQ(TextePapier("99,9").X1, 568 + 3 * 294 - 32 - 4 * 42);
    EXPECT_EQ(surface.Papier->Traces.back().Y1, 999 + 285 + 95);
}

TEST_F(Impression, EpaisseurSansDiametreDeSerie) {
    doc.Diametre = 200;
    doc.Focale = 1200;
    doc.Epaisseur = 33;
    doc.CoefDeformation = 0;
    Imprime();
    TextePapier("Caractéristiques du miroir sphérique");
    TextePapier("Epaisseur = 33 mm");
    TextePapier("Forme sphérique");
    EXPECT_EQ(surface.Papier->Texte("R"), nullptr);
    TextePapier("Diamètre optique = ");
    // The screen shows R⁴/e² from the mirror's own diameter.
    TexteEcran("R");
}

} // namespace
} // namespace tarvo::test
