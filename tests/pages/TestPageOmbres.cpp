#include "BancPage.h"
#include "pages/analyse/PageAnalyse.h"
#include "pages/ombres/PageOmbres.h"

#include <algorithm>

namespace tarvo::test {
namespace {

using G = Trace::Genre;

// A 200 mm F/6 on four zones read near a paraboloid, five lines on each diameter.
struct Ombres : BancPage {
    Ombres() {
        const double rayons[] = {0, 45, 65, 83, 100};
        doc.Diametre = doc.DiametreSerie = 200;
        doc.Focale = doc.FocaleSerie = 1200;
        doc.NombreZones = 4;
        for (int i = 1; i <= 4; ++i)
            doc.Zones[i][RayonExterieur] = rayons[i];
        for (int k = 1; k <= 2; ++k)
            for (int j = 1; j <= 5; ++j) {
                doc.Lectures[0][j][k] = 1;
                for (int i = 1; i <= 4; ++i) {
                    const double hm = (rayons[i - 1] + rayons[i]) / 2;
                    doc.Lectures[i][j][k] = hm * hm / 2400 + 0.004 * ((i + j + k) % 3);
                }
            }
        CalculeMoyennes(doc);
    }
    void Affiche() {
        surface.Ecran.Traces.clear();
        ContextePage page = Contexte();
        AfficheOmbres(page);
    }
    bool Ecrit(std::string_view texte) { return surface.Ecran.Texte(texte) != nullptr; }
};

TEST_F(Ombres, ImagesReglagesEtPapier) {
    modeImpression = true;
    Affiche();
    EXPECT_EQ(surface.BoutonEnfonce, BoutonPage::ToolOmbres);
    EXPECT_EQ(surface.ContexteAide, 3700);
    const auto images = surface.Ecran.DuGenre(G::Image);
    ASSERT_EQ(images.size(), 6u);
    for (const Trace& t : images) {
        EXPECT_EQ(t.X2 - t.X1, CoteImageOmbres);
        EXPECT_EQ(t.Gris.size(), static_cast<std::size_t>(CoteImageOmbres * CoteImageOmbres));
    }
    // The knife at the zone holding 70 % of the radius by default; the boxes with their
    // bounds and names, on the page.
    const struct {
        Controle Boite;
        double Valeur, Maximum;
    } attendus[] = {{Controle::ReglageZone, 3, 4},
                    {Controle::ReglageLignes, 100, 1000},
                    {Controle::ReglageDecalage, 2, 50}};
    for (const auto& a : attendus) {
        const Reglage& r = surface.Reglages[a.Boite];
        EXPECT_EQ(r.Valeur, a.Valeur);
        EXPECT_EQ(r.Maximum, a.Maximum);
        EXPECT_FALSE(r.Nom.empty());
        EXPECT_TRUE(Etat(a.Boite).Visible);
        EXPECT_GT(Etat(a.Boite).Largeur, 0);
    }
    EXPECT_TRUE(Ecrit("Couteau au centre de courbure de la zone 3"));
    EXPECT_TRUE(Ecrit("Réseau de 100 traits par pouce, 2,0 mm en deçà du centre de courbure"));
    EXPECT_TRUE(Ecrit("Parabole parfaite"));
    ASSERT_TRUE(surface.Papier);
    EXPECT_EQ(surface.Papier->DuGenre(G::Image).size(), 6u);
    EXPECT_EQ(surface.Papier->Textes().back(),
              "Document réalisé avec le logiciel TARVO - https://www.tarvo.fr");

    // The user's settings, and a zone that no longer exists falls back to 70 %.
    etat.Ombres = {2, 50, 4.5};
    Affiche();
    EXPECT_TRUE(Ecrit("Couteau au centre de courbure de la zone 2"));
    EXPECT_TRUE(Ecrit("Réseau de 50 traits par pouce, 4,5 mm au-delà du centre de courbure"));
    EXPECT_NE(surface.Ecran.DuGenre(G::Image)[0].Gris, images[0].Gris);
    etat.Ombres.Zone = 9;
    Affiche();
    EXPECT_EQ(surface.Reglages[Controle::ReglageZone].Valeur, 3);

    // Another page puts the boxes away.
    ContextePage page = Contexte();
    AfficheAnalyse(page);
    EXPECT_FALSE(Etat(Controle::ReglageZone).Visible);
    EXPECT_FALSE(Etat(Controle::ReglageDecalage).Visible);
}

// No valid series: the reason, no picture and no box, on screen and on paper.
TEST_F(Ombres, SerieSansMesureValidee) {
    doc.Lectures[0][LigneMoyennes][1] = doc.Lectures[0][LigneMoyennes][2] = 0;
    modeImpression = true;
    Affiche();
    EXPECT_TRUE(Ecrit("Aucune ligne de mesure n'est validée."));
    EXPECT_TRUE(surface.Ecran.DuGenre(G::Image).empty());
    EXPECT_FALSE(Etat(Controle::ReglageZone).Visible);
    ASSERT_TRUE(surface.Papier);
    EXPECT_TRUE(surface.Papier->DuGenre(G::Image).empty());
    EXPECT_NE(surface.Papier->Texte("Aucune ligne de mesure n'est validée."), nullptr);
}

} // namespace
} // namespace tarvo::test
