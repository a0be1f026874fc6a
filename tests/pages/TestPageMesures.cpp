#include "BancPage.h"
#include "pages/mesures/PageMesures.h"

#include <algorithm>
#include <array>
#include <tuple>

// Screen (recording canvas): body 7 px characters in 16 px cells, columns 56 from x = 106,
// rows 24; grid 1 from T1 = 88 (title 24, then three lines 24 apart), grid 2 from
// T2 = 88 + 288 + 24 + 16 = 416; a row's text top is 4 below its top. Paper (A4, 600 ppp):
// margin 210, line step 95, title 192, rows 190, zone columns 378 from 756, grid 1 from
// 857, grid 2 from 3469.

namespace tarvo::test {
namespace {

using G = Trace::Genre;
using Lignes = std::vector<std::array<int, 4>>;
constexpr Cadre Temoin{1, 2, 3, 4};

struct Mesures : BancPage {
    Mesures() {
        doc.NombreZones = 4;
        for (int r = 1; r <= 4; ++r)
            for (int z = 1; z <= 4; ++z) {
                doc.Lectures[z][r][1] = z + r / 10.0; // 1,100 .. 4,400
                doc.Lectures[z][r][2] = r == 1 ? z + 0.5 : 0;
            }
        for (int r : {1, 2, 3})
            doc.Lectures[0][r][1] = 1; // line 4 is read but not validated
        doc.Lectures[1][2][1] = 0.0001;
        doc.Lectures[2][LigneMoyennes][2] = 7.7;
        doc.Zones[9][6] = 5;
        cadres.Cadres[5] = Temoin;
        saisie.LigneCourante = saisie.ColonneCourante = saisie.DiametreCourant = 1;
    }
    void Affiche(ModeMesures mode = ModeMesures::Edition) {
        surface.Ecran.Traces.clear();
        surface.Journal.clear();
        ContextePage page = Contexte();
        AfficheMesures(page, mode);
    }
    // The texts drawn with their tops at y, right of the labels, as (x, text).
    static std::vector<std::pair<int, std::string>> Rangee(const CanvasEnregistreur& c, int y,
                                                           int xMin) {
        std::vector<std::pair<int, std::string>> t;
        for (const Trace& trace : c.DuGenre(G::Texte))
            if (trace.Y1 == y && trace.X1 >= xMin) t.emplace_back(trace.X1, trace.Texte);
        return t;
    }
    // Tops of the ticks whose first stroke goes from (x1, top + bas) to x2, one point wide
    // on paper.
    static std::vector<int> Coches(const CanvasEnregistreur& c, int x1, int x2, int bas) {
        std::vector<int> y;
        for (const Trace& l : c.DuGenre(G::Ligne))
            if (l.X1 == x1 && l.X2 == x2 && l.PlumeUtilisee.Largeur == (bas > 13 ? 8 : 1))
                y.push_back(l.Y1 - bas);
        return y;
    }
    // Lines starting at x, as (x1, y1, x2, y2), with their pen widths.
    static std::vector<std::pair<std::array<int, 4>, int>> Traits(const CanvasEnregistreur& c,
                                                                  int x) {
        std::vector<std::pair<std::array<int, 4>, int>> t;
        for (const Trace& l : c.DuGenre(G::Ligne))
            if (l.X1 == x) t.push_back({{l.X1, l.Y1, l.X2, l.Y2}, l.PlumeUtilisee.Largeur});
        return t;
    }
};

TEST_F(Mesures, TroisModes) {
    using M = ModeMesures;
    struct Cas {
        M Mode;
        int Serie, Series;
        bool Masquer;
        std::string Titre;
        std::array<int, 4> Fleches; // up_relache, up_neutre, down_relache, down_neutre
    };
    for (const Cas& cas :
         std::vector<Cas>{{M::Consultation, 1, 3, false, "Mesures", {1, 0, 0, 1}},
                          {M::Consultation, 3, 3, false, "Mesures", {0, 1, 1, 0}},
                          {M::Nouvelles, 4, 4, false, "Nouvelles mesures", {}},
                          {M::Edition, 2, 2, true, "Modification des mesures", {}}}) {
        doc.SerieCourante = cas.Serie;
        doc.NombreSeries = cas.Series;
        saisie.MasquerSaisie = cas.Masquer;
        surface.SelectionsSaisie = 0;
        const bool vue = cas.Mode == M::Consultation;
        const bool editeur = !vue && !cas.Masquer;
        Etat(Controle::Saisie).Visible = !editeur;
        Affiche(cas.Mode);
        const Trace& titre = TexteEcran(cas.Titre);
        EXPECT_EQ(std::tuple(titre.X1, titre.Y1, titre.PoliceUtilisee.Hauteur),
                  std::tuple((545 - 10 * static_cast<int>(cas.Titre.size())) / 2, 0, 24));
        EXPECT_EQ(surface.TexteStatut, vue ? "Utiliser les flèches pour changer de série de mesures"
                                           : "Cliquer sur la cellulle à modifier");
        EXPECT_EQ(Etat(Controle::BoutonAnnuler).Visible, cas.Mode == M::Nouvelles);
        EXPECT_EQ((std::array<int, 4>{
                      Etat(Controle::UpRelache).Visible, Etat(Controle::UpNeutre).Visible,
                      Etat(Controle::DownRelache).Visible, Etat(Controle::DownNeutre).Visible}),
                  cas.Fleches);
        EXPECT_EQ(surface.Ecran.ARectangle(19, 1, 117, 20), vue);
        EXPECT_EQ(Etat(Controle::Saisie).Visible, editeur);
        EXPECT_EQ(surface.SelectionsSaisie, editeur ? 1 : 0);
        EXPECT_EQ(surface.Journal.front() == "MetAJourActions", vue);
        const Trace& serie = TexteEcran("Série N°" + std::to_string(cas.Serie));
        EXPECT_EQ(std::tuple(serie.X1, serie.Y1, serie.PoliceUtilisee.Hauteur),
                  std::tuple(45, 4, 13));
    }
    EXPECT_EQ(std::tuple(Etat(Controle::UpNeutre).Gauche, Etat(Controle::DownNeutre).Gauche,
                         Etat(Controle::UpNeutre).Haut),
              std::tuple(100, 20, 3));
}

TEST_F(Mesures, GrilleMoyennesEtCadres) {
    Affiche();
    const std::array<Cadre, 9> attendus{Cadre{},
                                        {20, 88, 330, 376},
                                        {106, 112, 330, 352},
                                        {20, 416, 330, 704},
                                        {106, 440, 330, 680},
                                        Temoin};
    EXPECT_EQ(cadres.Cadres, attendus);
    EXPECT_EQ(std::tuple(Etat(Controle::Fenetre).Hauteur, surface.Fiche.Hauteur),
              std::tuple(704, 704));
    // Lines 1 to 3 validated, the empty cell counted: zone 1 = (1,1 + 0,0001 + 1,3) / 3.
    const double z1 = (1.1 + 0.0001 + 1.3) / 3;
    EXPECT_EQ(doc.Lectures[0][LigneMoyennes][1], 3);
    EXPECT_DOUBLE_EQ(doc.Lectures[1][LigneMoyennes][1], z1);
    EXPECT_EQ(doc.Lectures[0][LigneMoyennes][2], 0);
    EXPECT_EQ(doc.Lectures[2][LigneMoyennes][2], 7.7); // kept without validated lines
    EXPECT_EQ(doc.Zones[0][5], 3);
    EXPECT_DOUBLE_EQ(doc.Zones[1][5], z1);
    for (int z : {0, 1, 9})
        EXPECT_EQ(doc.Zones[z][6], 0) << z;

    // Readings end 3 px before their column's edge; the 0,0001 cell is empty.
    const auto fin = [](int z) { return 106 + 56 * z - 3 - 35; };
    using R = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(Rangee(surface.Ecran, 88 + 2 * 24 + 4, 106),
              (R{{fin(2), "2,200"}, {fin(3), "3,200"}, {fin(4), "4,200"}}));
    EXPECT_EQ(Rangee(surface.Ecran, 88 + 11 * 24 + 4, 106),
              (R{{fin(1), "0,800"}, {fin(2), "2,200"}, {fin(3), "3,200"}, {fin(4), "4,200"}}));
    EXPECT_TRUE(Rangee(surface.Ecran, 416 + 11 * 24 + 4, 106).empty());
    // Ticks on lines 1 to 3 and the mean line of diameter 1 only.
    EXPECT_EQ(Coches(surface.Ecran, 25, 23, 13), (std::vector<int>{116, 140, 164, 356}));

    Lignes attendues;
    for (int t : {88, 416}) {
        for (int x : {19, 35})
            attendues.push_back({x, t + 24, x, t + 288});
        for (int x : {105, 106, 161, 217, 273, 329})
            attendues.push_back({x, t, x, t + 288});
        for (int k = 1; k <= 12; ++k) {
            attendues.push_back({20, t + 24 * k - 1, 330, t + 24 * k - 1});
            if (k == 1 || k == 11) attendues.push_back({20, t + 24 * k, 330, t + 24 * k});
        }
    }
    Lignes grille; // without the ticks
    for (const Trace& t : surface.Ecran.DuGenre(G::Ligne))
        if (t.X1 != 24 && t.X1 != 25) grille.push_back({t.X1, t.Y1, t.X2, t.Y2});
    std::sort(attendues.begin(), attendues.end());
    std::sort(grille.begin(), grille.end());
    EXPECT_EQ(grille, attendues);
}

TEST_F(Mesures, EditeurSurLaCellule) {
    doc.Lectures[2][3][2] = 1.23456;
    struct Cas {
        int Ligne, Colonne, Diametre, Zones;
        std::array<int, 3> Cellule; // brought inside the grid
        std::string Texte;
        double Avant;
    };
    for (const Cas& cas : std::vector<Cas>{{1, 1, 1, 4, {1, 1, 1}, "1,100", 1.1},
                                           {3, 2, 2, 4, {3, 2, 2}, "1,235", 1.23456},
                                           {2, 1, 1, 4, {2, 1, 1}, "", 0.0001},
                                           {0, 0, 0, 4, {1, 1, 1}, "1,100", 1.1},
                                           {12, 9, 3, 4, {10, 4, 2}, "", 0},
                                           {5, 3, 1, 0, {5, 1, 1}, "", 0}}) {
        doc.NombreZones = cas.Zones;
        saisie.LigneCourante = static_cast<std::int8_t>(cas.Ligne);
        saisie.ColonneCourante = static_cast<std::int8_t>(cas.Colonne);
        saisie.DiametreCourant = static_cast<std::int8_t>(cas.Diametre);
        Affiche(ModeMesures::Nouvelles);
        const auto [ligne, colonne, diametre] = cas.Cellule;
        EXPECT_EQ((std::array<int, 3>{saisie.LigneCourante, saisie.ColonneCourante,
                                      saisie.DiametreCourant}),
                  cas.Cellule);
        const auto& e = Etat(Controle::Saisie);
        EXPECT_EQ(std::tuple(e.Gauche, e.Haut, e.Largeur, e.Hauteur, e.Visible),
                  std::tuple(106 + (colonne - 1) * 56, (diametre == 1 ? 88 : 416) + ligne * 24 + 1,
                             56, 24, true));
        EXPECT_EQ(surface.TexteSaisie_, cas.Texte);
        EXPECT_DOUBLE_EQ(saisie.ValeurAvantSaisie, cas.Avant);
    }
    EXPECT_EQ(surface.LongueurMaxSaisie, 7);
    EXPECT_EQ(surface.IndicationSaisie, "Entrez la valeur de la mesure en mm | Indiquer une "
                                        "valeur positive inférieure à 1000");
}

TEST_F(Mesures, LargeurDePage) {
    for (const auto& [zones, petites, largeur, colonnes] :
         {std::array{10, 1, 666, 106}, {2, 1, 545, 106}, {2, 0, 700, 116}, {10, 0, 766, 116}}) {
        doc.NombreZones = zones;
        miseEnPage.PetitesPolices = petites == 1;
        miseEnPage.LargeurColonneMesure = petites == 1 ? 56 : 65;
        miseEnPage.LargeurPageMini = 700;
        Affiche();
        EXPECT_EQ(std::tuple(Etat(Controle::Fenetre).Largeur, surface.Fiche.Largeur,
                             cadres.Cadres[2].Gauche),
                  std::tuple(largeur, largeur, colonnes));
        // Labels centred 35 px left of the columns, the line labels 5 more with large fonts.
        EXPECT_EQ(TexteEcran("Zones").X1, colonnes - 35 - 17);
        EXPECT_EQ(TexteEcran("Mesure 1").X1, colonnes - 35 - (petites == 1 ? 0 : 5) - 28);
        EXPECT_EQ(TexteEcran("Diamètre 1").PoliceUtilisee.Gras, petites == 1);
    }
}

TEST_F(Mesures, Papier) {
    doc.SerieCourante = 2;
    for (const auto& [mode, k, suffixe] :
         {std::tuple{ModeMesures::Consultation, -1.0, " parabolique"},
          {ModeMesures::Nouvelles, 0.0, " sphérique"},
          {ModeMesures::Edition, -0.5, ""}}) {
        doc.CoefDeformation = k;
        modeImpression = true;
        Affiche(mode);
        EXPECT_FALSE(modeImpression);
        EXPECT_EQ(TextePapier(std::string("Mesures sur le miroir") + suffixe).Y1, 0);
    }
    const CanvasEnregistreur& p = *surface.Papier;
    using R = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(std::tuple(TextePapier("Série N°2").X1, TextePapier("Série N°2").Y1),
              std::tuple(420, 97));
    std::vector<std::pair<int, std::string>> gauche;
    for (const Trace& t : p.DuGenre(G::Texte))
        if (t.X1 == 210 && t.Y1 < 3400) gauche.emplace_back(t.Y1, t.Texte);
    EXPECT_EQ(gauche, (R{{382, "Seules les mesures validées sont utilisées pour les calculs."},
                         {477, "Les valeurs des mesures sont exprimées en millimètres."},
                         {667, "Diamètre 1"},
                         {3279, "Diamètre 2"}}));
    EXPECT_EQ(TextePapier("Mesure 1").X1, 294 + (462 - 8 * 42) / 2); // in the label column
    // Readings end 42 px before the edge; the 0,0001 cell is empty; no mean for diameter 2.
    EXPECT_EQ(Rangee(p, 857 + 2 * 190 + 47, 756), (R{{756 + 2 * 378 - 42 - 210, "2,200"},
                                                     {756 + 3 * 378 - 42 - 210, "3,200"},
                                                     {756 + 4 * 378 - 42 - 210, "4,200"}}));
    EXPECT_TRUE(Rangee(p, 3469 + 11 * 190 + 47, 756).empty());

    // Rules: one point under the header and above the means and after the labels.
    using T = std::vector<std::pair<std::array<int, 4>, int>>;
    EXPECT_EQ(Traits(p, 756), (T{{{756, 857, 756, 3137}, 8}, {{756, 3469, 756, 5749}, 8}}));
    std::vector<int> fortes; // horizontal rules at x = 210, one point wide
    const T regles = Traits(p, 210);
    for (const auto& [l, largeur] : regles)
        if (l[1] == l[3] && largeur == 8) fortes.push_back(l[1]);
    EXPECT_EQ(fortes, (std::vector<int>{857 + 190, 857 + 11 * 190, 3469 + 190, 3469 + 11 * 190}));
    EXPECT_EQ(regles.size(), 26u); // with the tick column's left edge
    // Ticks one point wide on lines 1 to 3 and the mean line of diameter 1.
    EXPECT_EQ(Coches(p, 235, 225, 65), (std::vector<int>{1094, 1284, 1474, 2994}));
    EXPECT_EQ(p.Traces.back().PlumeUtilisee.Largeur, 1);
    EXPECT_EQ(p.Traces.back().Texte.rfind("Document réalisé avec le logiciel TARVO - ", 0), 0u);
    EXPECT_EQ(p.Traces.back().Y1, 3469 + 12 * 190 + 16);
}

} // namespace
} // namespace tarvo::test
