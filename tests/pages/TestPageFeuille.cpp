#include "BancPage.h"
#include "pages/feuille/PageFeuille.h"
#include "pages/graphes/GrapheTolerances.h"

#include <algorithm>
#include <cmath>
#include <tuple>

// Screen (recording canvas): title 24 px cells, 10 px characters; body 16 px cells, 7 px
// characters, line step 17; table rows 23 px, columns 49 px; the figures from y = 41 (the
// scale line at 143 without a hole line), the table from 177, its text rows at 180 + 23 r.
// DessinF 525 x 450; its labels at -11: 13 px cells, 5 px characters.
// Paper (A4, 600 ppp): line step 95, margin 210, UnitePoint 8, DemiPoint 4, title 192.

namespace tarvo::test {
namespace {

using G = Trace::Genre;

struct Feuille : BancPage {
    Feuille() {
        doc.Intitule = "Mon 200";
        doc.Diametre = doc.DiametreSerie = 200;
        doc.Focale = doc.FocaleSerie = 1200;
        doc.Epaisseur = 25;
        doc.NombreZones = 3;
        doc.Zones[1][RayonExterieur] = 40;
        doc.Zones[2][RayonExterieur] = 70;
        doc.Zones[3][RayonExterieur] = 100;
    }
    void Affiche(bool imprime = false) {
        surface.Ecran.Traces.clear();
        surface.Images.clear();
        modeImpression = imprime;
        ContextePage page = Contexte();
        AfficheFeuille(page);
    }
    CanvasEnregistreur& Graphe() { return surface.Images.at(Controle::DessinF); }
    bool AEcran(std::string_view t) { return surface.Ecran.Texte(t) != nullptr; }
    bool APapier(std::string_view t) { return surface.Papier->Texte(t) != nullptr; }
};

bool ARemplissage(const CanvasEnregistreur& c, int x1, int y1, int x2, int y2) {
    return std::any_of(c.Traces.begin(), c.Traces.end(), [&](const Trace& t) {
        return t.Type == G::Remplissage &&
               std::tie(t.X1, t.Y1, t.X2, t.Y2) == std::tie(x1, y1, x2, y2);
    });
}

TEST_F(Feuille, PageEcranEtOrdre) {
    Affiche(true);
    EXPECT_EQ(surface.Journal,
              (std::vector<std::string>{"FermeAides", "MetAJourActions", "MetAJourVue",
                                        "DebuteImpression", "TermineImpression"}));
    EXPECT_EQ(surface.BoutonEnfonce, BoutonPage::ToolTravail);
    EXPECT_EQ(surface.ContexteAide, 3200);
    EXPECT_EQ(std::tuple(TexteEcran("Feuille de travail du miroir parabolique").X1,
                         TexteEcran("de ").Y1, TexteEcran("Mon 200").X1),
              std::tuple(72, 24, 71));
    // Values end the width of the sample + 4 after their label.
    EXPECT_EQ(TexteEcran("200,0").X1, 20 + 19 * 7 + 6 * 7 + 4 - 5 * 7);
    EXPECT_EQ(TexteEcran("1200,0").X1, 327 + 18 * 7 + 7 * 7 + 4 - 6 * 7);
    const std::vector<std::pair<std::string, int>> lignes{
        {"F/D = 6", 58},
        {"Rayon de courbure = 2400 mm", 58},
        {"Rayon de la tache de diffraction = 0,705\" = 4,10 ", 75},
        {"Epaisseur = 25 mm", 92},
        {" = 1600 cm", 92},
        {"Profondeur de la concavité = 2,08 mm", 109},
        {"Masse du verre usiné = 74 g", 109},
        {"Volume de la concavité = 32,74  cm³", 126},
        {"Masse du Miroir = 1,69 Kg", 126},
        {"Echelle de l'image au foyer = 5,82 µm/\"", 143},
        {"Aberrations longitudinales admissibles (en mm) - Méthode Millies-Lacroix", 352}};
    for (const auto& [texte, y] : lignes)
        EXPECT_EQ(TexteEcran(texte).Y1, y) << texte;
    EXPECT_EQ(TexteEcran("Masse du verre usiné = 74 g").X1, 327);
    // Row labels one "M" before column 0, the ρ in Symbol, values centred.
    EXPECT_EQ(TexteEcran("Tol.inf").X1, 174 - 7);
    EXPECT_EQ(TexteEcran("Tol.inf").Y1, 180 + 6 * 23);
    EXPECT_EQ(TexteEcran("r").PoliceUtilisee.Nom, "Symbol");
    EXPECT_EQ(TexteEcran("-0,817").X1, 174 + 49 + (49 - 42) / 2);
    EXPECT_EQ(TexteEcran("3,242").Y1, 180 + 5 * 23);

    const auto& f = Etat(Controle::DessinF);
    EXPECT_EQ(std::tuple(f.Gauche, f.Haut, f.Largeur, f.Hauteur, f.Visible),
              std::tuple(20, 352 + 17 + 1, 525, 450, true));
    EXPECT_EQ(Etat(Controle::Fenetre).Hauteur, 369);
    EXPECT_EQ(surface.Fiche.Hauteur, 370 + 450 + 1);
    for (const Controle c : {Controle::Saisie, Controle::Note, Controle::Logo, Controle::Dessin,
                             Controle::Dessin2, Controle::FormeParabolique})
        EXPECT_FALSE(Etat(c).Visible);
}

TEST_F(Feuille, ColonnesCentrees) {
    // x0 = (W - 49 (N + 1)) div 2; the rules from x0 - 7, 2 px after column 0. Ten zones
    // widen the page to 11 x 49 + 2 x (7 + 20) = 593 px, so that no label is cut off.
    for (const auto& [n, x0] : {std::pair{2, 199}, {10, 27}}) {
        doc.NombreZones = n;
        for (int z = 1; z <= n; ++z)
            doc.Zones[static_cast<std::size_t>(z)][RayonExterieur] = 100.0 * z / n;
        Affiche();
        EXPECT_EQ(TexteEcran("Zones").X1, x0 + (49 - 35) / 2) << n;
        EXPECT_EQ(Etat(Controle::Fenetre).Largeur, n == 10 ? 593 : 545);
        const auto numeros = surface.Ecran.DuGenre(G::Texte);
        EXPECT_TRUE(
            std::any_of(numeros.begin(), numeros.end(), [&, n = n, x0 = x0](const Trace& t) {
                return t.Y1 == 180 && t.Texte == std::to_string(n) &&
                       t.X1 == x0 + n * 49 + (49 - 7 * (n > 9 ? 2 : 1)) / 2;
            }));
        EXPECT_EQ(std::tuple(miseEnPage.LargeurColonne, miseEnPage.HauteurLigne),
                  std::tuple(49, 23));
        EXPECT_TRUE(ARemplissage(surface.Ecran, x0 - 7, 177 + 22, x0 + (n + 1) * 49, 177 + 24));
        EXPECT_TRUE(ARemplissage(surface.Ecran, x0 + 48, 177, x0 + 50, 177 + 7 * 23));
        EXPECT_TRUE(ARemplissage(surface.Ecran, x0 + (n + 1) * 49, 177, x0 + (n + 1) * 49 + 1,
                                 177 + 7 * 23));
        EXPECT_EQ(Graphe().Texte("Z" + std::to_string(n + 1)), nullptr);
    }
}

TEST_F(Feuille, SeuilsTrouEtEpaisseur) {
    struct Cas {
        double Trou, Epaisseur;
        bool TrouEcran, TrouPapier, Note;
        std::string Ecran, Papier; // the thickness line
        bool Masse;
    };
    const std::string minimale = "Epaisseur minimale = 22 mm pour ";
    for (const Cas& cas : std::vector<Cas>{
             {0, 25, false, false, false, "Epaisseur = 25 mm", "Epaisseur = 25 mm", true},
             {0.5, 0.5, false, true, true, "Epaisseur = 0,5 mm", minimale, true},
             {30, 0, true, true, true, minimale, minimale, false}}) {
        doc.TrouCentral = cas.Trou;
        doc.Epaisseur = cas.Epaisseur;
        Affiche(true);
        EXPECT_EQ(AEcran("Diamètre du trou central = 30,0 mm"), cas.TrouEcran) << cas.Trou;
        EXPECT_EQ(APapier(cas.Trou == 30 ? "Diamètre du trou central = 30 mm"
                                         : "Diamètre du trou central = 0,5 mm"),
                  cas.TrouPapier);
        EXPECT_EQ(AEcran("La partie grisée correspond au trou central."), cas.Note);
        EXPECT_EQ(APapier("La partie grisée correspond au trou central."), cas.Note);
        EXPECT_EQ(TexteEcran(cas.Ecran).Y1, cas.TrouEcran ? 109 : 92);
        TextePapier(cas.Papier);
        EXPECT_EQ(std::count_if(
                      surface.Ecran.Traces.begin(), surface.Ecran.Traces.end(),
                      [](const Trace& t) { return t.Texte.rfind("Masse du Miroir = ", 0) == 0; }),
                  cas.Masse ? 1 : 0);
        EXPECT_EQ(APapier("Masse du Miroir = " +
                          std::string(cas.Epaisseur == 25 ? "1,69" : "-0,0383") + " Kg"),
                  cas.Masse);
        // The grey band, as wide as the hole on the graph's scale (5.25 px per mm).
        const bool bande =
            std::any_of(Graphe().Traces.begin(), Graphe().Traces.end(), [&](const Trace& t) {
                return t.Type == G::Rectangle && t.BrosseUtilisee.Teinte == Argent &&
                       t.X2 == static_cast<int>(5.25 * cas.Trou / 2);
            });
        EXPECT_EQ(bande, cas.Trou > 0) << cas.Trou;
    }
}

TEST_F(Feuille, SansNomNiProfondeur) {
    doc.Intitule.clear();
    doc.Focale = 40; // under a quarter of the diameter: the sphere has no such depth
    Affiche(true);
    EXPECT_FALSE(AEcran("de "));
    EXPECT_FALSE(APapier("de "));
    EXPECT_EQ(TexteEcran("Diamètre optique = ").Y1, 41);
    for (const char* libelle : {"Profondeur de la concavité = ", "Masse du verre usiné = ",
                                "Volume de la concavité = ", "Masse du Miroir = "}) {
        TexteEcran(libelle);
        TextePapier(libelle);
    }
}

TEST_F(Feuille, NonCalculable) {
    for (const auto& [diametre, ligne] :
         {std::pair{0.0, "le diamètre et la distance focale doivent dépasser 1 mm."},
          {2e6, "une caractéristique ou un rayon de zone est hors limites."}}) {
        doc.Diametre = diametre;
        Affiche(true);
        EXPECT_EQ(TexteEcran("La feuille de travail ne peut pas être calculée :").Y1, 41);
        EXPECT_EQ(TexteEcran(ligne).Y1, 58);
        EXPECT_EQ(TextePapier(ligne).Y1, 287 + 95);
        EXPECT_FALSE(Etat(Controle::DessinF).Visible);
        EXPECT_FALSE(AEcran("Zones") || APapier("Zones"));
        EXPECT_EQ(surface.Papier->Traces.back().Y1, 287 + 3 * 95);
    }
}

TEST_F(Feuille, Papier) {
    doc.DiametreSerie = 190; // changed on the report: the paper shows the series' values
    Affiche(true);
    std::vector<std::pair<int, std::string>> gauche;
    for (const Trace& t : surface.Papier->DuGenre(G::Texte))
        if (t.X1 == 210) gauche.emplace_back(t.Y1, t.Texte);
    EXPECT_EQ(gauche, (std::vector<std::pair<int, std::string>>{
                          {287, "Diamètre optique = 190 mm"},
                          {382, "F/D = 6,32"},
                          {477, "Rayon de la tache de diffraction = 4,31 "},
                          {572, "Epaisseur = 25 mm"},
                          {667, "Profondeur de la concavité = 2,08 mm"},
                          {762, "Volume de la concavité = 32,74  cm³"}}));
    EXPECT_EQ(TexteEcran("Diamètre optique = ").Y1, 41); // the screen keeps the mirror's
    EXPECT_EQ(TextePapier("m").Y1, 477 - 9);
    EXPECT_EQ(TextePapier("Rayon de courbure = 2400 mm").X1, 2380);
    // Table: columns of 294 from x0 = (4760 - 4 x 294) div 2, rows of 142 from 857 + 190.
    EXPECT_EQ(TextePapier("Tol.inf").X1, 1792 - 42);
    EXPECT_EQ(TextePapier("Tol.inf").Y1, 1047 + 23 + 6 * 142);
    EXPECT_TRUE(
        ARemplissage(*surface.Papier, 1750, 1047 + 142 - 8, 1792 + 4 * 294, 1047 + 142 + 8));
    EXPECT_TRUE(ARemplissage(*surface.Papier, 1792 + 2 * 294 - 4, 1047, 1792 + 2 * 294 + 4,
                             1047 + 7 * 142));
    const int haut = 1922 + 213 + 142, bas = 6814 - 210;
    EXPECT_EQ(TextePapier("Aberrations longitudinales admissibles (en mm) - Méthode "
                          "Millies-Lacroix")
                  .Y1,
              1922 + 213);
    EXPECT_TRUE(surface.Papier->ARectangle(210, haut, 4550, bas));
    EXPECT_EQ(surface.Papier->Traces.back().Y1, bas + 16);
    EXPECT_EQ(miseEnPage.LargeurColonne, 294);
}

// A sheet made by hand: ρ = 1 µm, R = 2400 mm, zone 1 at Hm = 20 with its tolerances.
ResultatFeuille FeuilleEssai(double k, double tolSup, double tolInf) {
    ResultatFeuille f;
    f.Etat = EtatFeuille::Calculee;
    f.RayonCourbure = 2400;
    f.RayonTache = 1;
    f.CoefDeformation = k;
    f.NombreZones = 1;
    f.Zones[1] = ZoneFeuille{20, 0, 0, tolSup, tolInf};
    return f;
}

std::vector<std::string> Etiquettes(const CanvasEnregistreur& c, int x) {
    std::vector<std::string> t;
    for (const Trace& trace : c.DuGenre(G::Texte))
        if (trace.X1 == x) t.push_back(trace.Texte + "@" + std::to_string(trace.Y1));
    return t;
}

TEST(GrapheTolerances, GraduationsEtEtiquettes) {
    // K = 0: B = 2 TolSup[1], y0 held at 225. "#0.00" labels at x = 8 only below B = 2.
    struct Cas {
        double TolSup;
        float Pas;
        std::vector<std::string> A8, A12;
    };
    for (const Cas& cas :
         std::vector<Cas>{{0.7,
                           0.01f,
                           {"0,05@202", "-0,05@232", "0,15@173", "-0,15@261"},
                           {"0,1@188", "-0,1@246"}},
                          {0.75, 0.1f, {"0,50@81", "-0,50@353"}, {}},
                          {25, 1.0f, {}, {"10@135", "-10@299", "20@53", "-20@381"}}}) {
        const ResultatFeuille f = FeuilleEssai(0, cas.TolSup, -cas.TolSup);
        const DonneesTolerances d{f, 200, 0, 16, ','};
        const EchelleTolerances e = EchelleGrapheTolerances(d, 525, 450);
        EXPECT_EQ(std::tuple(e.Valide, e.Pas, e.Zero), std::tuple(true, cas.Pas, 225));
        CanvasEnregistreur c(525, 450, 96);
        DessineGrapheTolerances(c, 525, 450, d);
        std::vector<std::string> a8 = Etiquettes(c, 8), a12 = Etiquettes(c, 12);
        a8.resize(std::min(a8.size(), cas.A8.size()));
        a12.resize(std::min(a12.size(), cas.A12.size()));
        EXPECT_EQ(a8, cas.A8) << cas.TolSup;
        EXPECT_EQ(a12, cas.A12) << cas.TolSup;
        EXPECT_EQ(c.Texte("Z1")->PoliceUtilisee, (Police{"Arial", -11, false}));
    }
}

TEST(GrapheTolerances, EchellesBornees) {
    // No range, no diameter: the frame and the zero line at half height only.
    for (const auto& [f, ds] :
         {std::pair{FeuilleEssai(-1, 5, 5), 200.0}, {FeuilleEssai(-1, 1, -1), 0.0}}) {
        CanvasEnregistreur c(525, 450, 96);
        DessineGrapheTolerances(c, 525, 450, DonneesTolerances{f, ds, 30, 16, ','});
        EXPECT_EQ(c.Traces.size(), 3u);
        EXPECT_EQ(std::tie(c.Traces.back().Y1, c.Traces.back().X2), std::tuple(225, 525));
    }
    // A zero line pushed a quarter of a million pixels down: at most 10 000 graduations.
    const ResultatFeuille f = FeuilleEssai(-1e5, 416001, 416000);
    CanvasEnregistreur c(525, 450, 96);
    DessineGrapheTolerances(c, 525, 450, DonneesTolerances{f, 200, 0, 16, ','});
    EXPECT_LE(c.DuGenre(G::Ligne).size(), 4u * 10000 + 10);
    EXPECT_GT(EchelleGrapheTolerances(DonneesTolerances{f, 200, 0, 16, ','}, 525, 450).Zero,
              200000);
}

TEST(GrapheTolerances, PapierRienSousLAire) {
    // B = 1.47 mm, the zero line at 80 % of the height: the "#0.00" labels under it stop
    // at the area's bottom on paper (the footer lies there); the screen image clips them.
    const ResultatFeuille f = FeuilleEssai(-0.3, 0.3, -0.2);
    const DonneesTolerances d{f, 200, 0, 95, ','};
    MiseEnPage m;
    m.UnitePoint = 8;
    m.DemiPoint = 4;
    CanvasEnregistreur p(4760, 6814, 600);
    DessineGrapheTolerancesPapier(p, m, ZoneGraphe{210, 2000, 4340, 4000}, d);
    EXPECT_NE(p.Texte("-0,25"), nullptr);
    EXPECT_EQ(p.Texte("-0,35"), nullptr);
    CanvasEnregistreur c(525, 450, 96);
    DessineGrapheTolerances(c, 525, 450, d);
    EXPECT_NE(c.Texte("-0,35"), nullptr);
}

TEST_F(Feuille, ZonesCourbesEtPoints) {
    struct Cas {
        double K, Trou;
        int Zero;
        bool Courbe;
        int PointsEcran; // two per radius, none over the hole for a conic
    };
    for (const Cas& cas : std::vector<Cas>{{-1, 0, 348, true, 256},
                                           {-1, 30, 378, true, 256 - 2 * 19},
                                           {0, 30, 225, false, 256}}) {
        doc.CoefDeformation = cas.K;
        doc.TrouCentral = cas.Trou;
        Affiche(true);
        CanvasEnregistreur& g = Graphe();
        const int y0 = cas.Zero;
        // Marks at Round(Hm x 5.25), "Z" labels centred under the zero line.
        const double hm1 = (cas.Trou / 2 + 40) / 2;
        for (const auto& [nom, hm] : {std::pair{"Z1", hm1}, {"Z2", 55.0}, {"Z3", 85.0}}) {
            const int x = static_cast<int>(std::nearbyint(hm * 5.25));
            EXPECT_EQ(std::tuple(g.Texte(nom)->X1, g.Texte(nom)->Y1), std::tuple(x - 5, y0 + 4));
        }
        const auto pixels = g.DuGenre(G::Pixel);
        const auto noirs = std::count_if(pixels.begin(), pixels.end(),
                                         [](const Trace& t) { return t.CouleurPixel == Noir; });
        EXPECT_EQ(static_cast<int>(pixels.size()) > noirs, cas.Courbe) << cas.K;
        EXPECT_EQ(noirs, cas.PointsEcran) << cas.K << " " << cas.Trou;
        // Paper: small squares inside the area; the sphere's are symmetric about y0.
        const auto rectangles = surface.Papier->DuGenre(G::Rectangle);
        const auto aire = std::find_if(rectangles.begin(), rectangles.end(),
                                       [](const Trace& t) { return t.X1 == 210 && t.X2 == 4550; });
        ASSERT_NE(aire, rectangles.end());
        const int haut = aire->Y1, bas = aire->Y2;
        std::vector<std::pair<int, int>> carres;
        for (const Trace& t : surface.Papier->DuGenre(G::Rectangle))
            if (t.X2 - t.X1 == 8 && t.PlumeUtilisee.Largeur == 1) {
                EXPECT_TRUE(t.Y1 + 4 > haut && t.Y1 + 4 < bas);
                carres.emplace_back(t.X1, t.Y1 + 4);
            }
        EXPECT_GT(carres.size(), 150u);
        if (cas.K == 0) {
            const int zero = haut + (bas - haut) / 2;
            for (const auto& [x, y] : carres)
                EXPECT_NE(std::find(carres.begin(), carres.end(), std::pair{x, 2 * zero - y}),
                          carres.end());
        }
    }
}

} // namespace
} // namespace tarvo::test
