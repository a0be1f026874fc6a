#include "../optics/SerieEssai.h"
#include "BancPage.h"
#include "pages/bulletin/PageBulletin.h"
#include "pages/commun/NotesImprimees.h"

#include <algorithm>
#include <tuple>

// Screen (recording canvas): body 7 px characters in 16 px cells, line step u = 17, rows
// HL = 20, zone columns 49 px from C = 34, page 545 px (x at 60 % = 327). The title is
// redrawn at 6500 div 378 = 17 (y = 22 under it); the name line at 22, the mirror data from
// y = 39, the zone table from 107 (with the thickness line, no hole).
// Paper (A4, 600 ppp): line step 95, margin 210, UnitePoint 8, title 192 px.

namespace tarvo::test {
namespace {

using G = Trace::Genre;
constexpr Cadre Temoin{1, 2, 3, 4};

struct Bulletin : BancPage {
    Bulletin() {
        doc =
            SerieEssai(200, 1200, {39, 62, 82, 90}, {0.6, 1.5, 2.5, 3.7}, {0.62, 1.52, 2.49, 3.71});
        doc.Intitule = "Mon 200";
        doc.Epaisseur = 25;
        Etat(Controle::Note) = {0, 0, 475, 61, false, false, 0};
        cadres.Cadres[7] = cadres.Cadres[8] = Temoin;
    }
    void Affiche() {
        surface.Ecran.Traces.clear();
        ContextePage page = Contexte();
        AfficheBulletin(page);
    }
    // Texts drawn at x from y on, in order.
    std::vector<std::string> TextesA(const CanvasEnregistreur& c, int x, int y) {
        std::vector<std::string> t;
        for (const Trace& trace : c.DuGenre(G::Texte))
            if (trace.X1 == x && trace.Y1 >= y) t.push_back(trace.Texte);
        return t;
    }
    bool ALigne(int x1, int y1, int x2, int y2) {
        return std::any_of(
            surface.Ecran.Traces.begin(), surface.Ecran.Traces.end(), [&](const Trace& t) {
                return t.Type == G::Ligne && t.X1 == x1 && t.Y1 == y1 && t.X2 == x2 && t.Y2 == y2;
            });
    }
};

TEST_F(Bulletin, PageComplete) {
    Etat(Controle::Fenetre).Largeur = 700;
    Affiche();
    EXPECT_EQ(surface.Journal, (std::vector<std::string>{"MetAJourActions", "MetAJourVue"}));
    EXPECT_EQ(surface.ContexteAide, 3400);
    // Cleared over the former, wider page; the step-1 values set.
    EXPECT_EQ(surface.Ecran.Traces.front().X2, 700);
    EXPECT_EQ(Etat(Controle::Fenetre).Largeur, 545);
    EXPECT_EQ(doc.Zones[4][RayonExterieur], 100);
    EXPECT_EQ(doc.RayonCourbure, 2400);
    EXPECT_EQ(doc.DiametresValides, 3);
    EXPECT_EQ(etat.DiametresRetenus, 3);

    const Trace& titre = TexteEcran("Bulletin de contrôle du miroir parabolique");
    EXPECT_EQ(std::tuple(titre.X1, titre.Y1, titre.PoliceUtilisee.Hauteur), std::tuple(153, 5, 17));
    EXPECT_EQ(TexteEcran("Série N°1").X1, 36 + (64 - 9 * 5) / 2);
    EXPECT_EQ(TexteEcran("de ").Y1, 22);
    EXPECT_EQ(TexteEcran("200,0").X1, 153 + 42 + 4 - 35);
    EXPECT_EQ(TexteEcran("2400,0").X1, 467 + 35 + 4 - 42);
    TexteEcran("F/D = 6");
    TexteEcran("Rayon de la tache de diffraction = 0,705\" = 4,10 ");
    EXPECT_EQ(TexteEcran(" = 1600 cm").Y1, 90);
    EXPECT_TRUE(ALigne(10, 52, 10, 99)); // no hole: the connector ends at the thickness
    EXPECT_EQ(surface.Ecran.Texte("Diamètre du trou central = "), nullptr);

    const std::array<Cadre, 9> attendus{Cadre{},
                                        {5, 43, 15, 52},
                                        {153, 35, 181, 57},
                                        {467, 35, 502, 57},
                                        {5, 111, 15, 120},
                                        {5, 212, 15, 221},
                                        {5, 232, 15, 241},
                                        Temoin,
                                        Temoin};
    EXPECT_EQ(cadres.Cadres, attendus);
    EXPECT_EQ(
        TextesA(surface.Ecran, 20, 107),
        (std::vector<std::string>{"Zones", "H. Ext", "Hm", "Hm", "100Hm/4F", "D1 moyen", "D2 moyen",
                                  "Moyenne", "Moy.-Cte", "L", "1000", "l", "-10", "Notes :"}));
    EXPECT_EQ(TexteEcran("3").X1, 34 + 3 * 49 + 21);
    EXPECT_EQ(miseEnPage.LargeurColonne, 49);
    EXPECT_EQ(miseEnPage.HauteurLigne, 20);
    // Rules: two pixels under row 0 and after the labels, one after each zone.
    // No structured bindings here: clang before 16 cannot capture them in the lambda.
    for (const auto& r : {std::array{20, 126, 279, 128},
                          {82, 107, 84, 367},
                          {230, 107, 231, 367},
                          {279, 107, 280, 367}})
        EXPECT_TRUE(std::any_of(surface.Ecran.Traces.begin(), surface.Ecran.Traces.end(),
                                [&](const Trace& t) {
                                    return t.Type == G::Remplissage && t.X1 == r[0] &&
                                           t.Y1 == r[1] && t.X2 == r[2] && t.Y2 == r[3];
                                }));
    EXPECT_TRUE(ALigne(10, 241, 10, 357));

    EXPECT_EQ(TexteEcran("½ profil de l'onde comparé à la parabole de la meilleure onde de "
                         "référence")
                  .Y1,
              377);
    EXPECT_EQ(std::tuple(Etat(Controle::Dessin).Gauche, Etat(Controle::Dessin).Haut,
                         Etat(Controle::Dessin).Largeur, Etat(Controle::Dessin).Hauteur),
              std::tuple(20, 395, 525, 250));
    EXPECT_EQ(TexteEcran("Aberrations transversales comparées au disque de diffraction").Y1, 655);
    EXPECT_EQ(Etat(Controle::Dessin2).Haut, 673);
    EXPECT_TRUE(Etat(Controle::Dessin2).Visible);
    EXPECT_EQ(std::tuple(Etat(Controle::Note).Gauche, Etat(Controle::Note).Haut),
              std::tuple(60, 941));
    EXPECT_EQ(Etat(Controle::Fenetre).Hauteur, 941 + 61 + 1);
    EXPECT_EQ(surface.Fiche.Hauteur, 941 + 61 + 1);
}

TEST_F(Bulletin, FormeDuMiroir) {
    // The title's height, and so the table's top, follow the suffix.
    struct Cas {
        double K;
        std::string Titre;
        int HautTable;
        std::vector<std::string> Ligne3; // the label pieces of row 3
        int Lignes;
        bool Coefficient;
    };
    for (const Cas& cas : std::vector<Cas>{{-1, " parabolique", 107, {"Hm", "2", "/R"}, 13, false},
                                           {0, " sphérique", 108, {"100Hm/4F"}, 12, false},
                                           {-0.5, "", 114, {"Hm", "2", "/R", ".K"}, 13, true}}) {
        doc.CoefDeformation = cas.K;
        Affiche();
        TexteEcran("Bulletin de contrôle du miroir" + cas.Titre);
        std::vector<std::string> ligne3;
        for (const Trace& t : surface.Ecran.DuGenre(G::Texte))
            if (t.Y1 == cas.HautTable + 3 * 20 + 2 && t.X1 < 83) ligne3.push_back(t.Texte);
        EXPECT_EQ(ligne3, cas.Ligne3) << cas.K;
        EXPECT_EQ(Etat(Controle::Dessin).Haut, cas.HautTable + cas.Lignes * 20 + 28) << cas.K;
        EXPECT_EQ(surface.Ecran.Texte("    Coefficient de déformation = -0,500") != nullptr,
                  cas.Coefficient);
    }
}

TEST_F(Bulletin, DiametresRetenus) {
    struct Cas {
        bool SansD1, RetenirD1;
        std::vector<std::string> Mesures;
        int BoitesDessinees; // frames drawn from x = 4
        bool D2Enregistre;
    };
    for (const Cas& cas : std::vector<Cas>{
             {false, true, {"D1 moyen", "D2 moyen", "Moyenne"}, 4, true},
             {false, false, {"D2 moyen"}, 3 + 1, false}, // the diameter-1 box becomes a plus
             {true, true, {"Mesures"}, 2, false}}) {
        if (cas.SansD1) doc.Lectures[0][LigneMoyennes][1] = 0;
        doc.RetenirD1 = cas.RetenirD1;
        cadres.Cadres[6] = Temoin;
        Affiche();
        const std::vector<std::string> lignes = TextesA(surface.Ecran, 20, 207);
        EXPECT_EQ(std::vector<std::string>(lignes.begin(), lignes.begin() + cas.Mesures.size()),
                  cas.Mesures);
        const auto rectangles = surface.Ecran.DuGenre(G::Rectangle);
        EXPECT_EQ(std::count_if(rectangles.begin(), rectangles.end(),
                                [](const Trace& t) { return t.X1 == 4 || t.X1 == 9; }),
                  cas.BoitesDessinees);
        EXPECT_EQ(cadres.Cadres[5], (Cadre{5, 212, 15, 221}));
        EXPECT_EQ(cadres.Cadres[6] != Temoin, cas.D2Enregistre);
    }
    EXPECT_EQ(etat.DiametresRetenus, 2);
}

TEST_F(Bulletin, DetailsRepliesEtTrou) {
    doc.DetailZones = false;
    doc.DetailMiroir = false;
    doc.TrouCentralSerie = 40;
    Affiche();
    // Mirror data: line 1 and the hole; the radius opens nothing.
    EXPECT_EQ(cadres.Cadres[3], Cadre{});
    EXPECT_EQ(TexteEcran("Diamètre du trou central = ").Y1, 56);
    EXPECT_EQ(cadres.Cadres[7], (Cadre{20 + 27 * 7, 52, 20 + 27 * 7 + 28, 74}));
    EXPECT_EQ(surface.Ecran.Texte("F/D = 6"), nullptr);
    EXPECT_TRUE(ALigne(10, 52, 10, 65));
    EXPECT_TRUE(surface.Ecran.ARectangle(9, 43 + 2, 11, 52 - 2)); // plus
    // Only the zone numbers, one line under the hole; the graphs right below.
    EXPECT_EQ(TextesA(surface.Ecran, 20, 73), (std::vector<std::string>{"Zones", "Notes :"}));
    EXPECT_EQ(cadres.Cadres[4], (Cadre{5, 77, 15, 86}));
    EXPECT_EQ(cadres.Cadres[5], Cadre{});
    EXPECT_EQ(cadres.Cadres[6], Cadre{});
    EXPECT_EQ(Etat(Controle::Dessin).Haut, 73 + 20 + 10 + 18);
}

TEST_F(Bulletin, SeriesEtMemo) {
    struct Cas {
        int Serie, Series;
        bool Mesures;
        std::array<bool, 4> Fleches; // up_relache, up_neutre, down_relache, down_neutre
        bool LectureSeule;
        std::string Indication, Note, Statut;
    };
    const std::string fleches = "Utiliser les flèches, F4 ou F5 pour changer de série de mesures";
    for (const Cas& cas : std::vector<Cas>{
             {3,
              3,
              true,
              {false, true, true, false},
              false,
              "Commentaire libre",
              "dernier",
              fleches},
             {1, 3, true, {true, false, false, true}, true, "", "ancien", fleches},
             {1, 1, true, {false, true, false, true}, false, "Commentaire libre", "dernier", "?"},
             {2, 3, false, {false, true, false, true}, true, "", "ancien", "?"}}) {
        doc.SerieCourante = cas.Serie;
        doc.NombreSeries = cas.Series;
        doc.Commentaire = "dernier";
        doc.Note = "ancien";
        surface.Mesures = cas.Mesures;
        surface.TexteStatut = "?";
        Affiche();
        EXPECT_EQ(
            (std::array{Etat(Controle::UpRelache).Visible, Etat(Controle::UpNeutre).Visible,
                        Etat(Controle::DownRelache).Visible, Etat(Controle::DownNeutre).Visible}),
            cas.Fleches);
        EXPECT_EQ(surface.NoteLectureSeule, cas.LectureSeule);
        EXPECT_EQ(surface.IndicationNote, cas.Indication);
        EXPECT_EQ(doc.Note, cas.Note);
        EXPECT_EQ(surface.TexteStatut, cas.Statut);
    }
    EXPECT_EQ(std::tuple(Etat(Controle::UpNeutre).Gauche, Etat(Controle::UpNeutre).Haut),
              std::tuple(100, 3));
    EXPECT_EQ(std::tuple(Etat(Controle::DownNeutre).Gauche, Etat(Controle::DownNeutre).Haut),
              std::tuple(20, 3));
    EXPECT_TRUE(surface.Ecran.ARectangle(19, 1, 117, 20));
}

// The report of a series works with that series' diameter; the last zone's radius, which is
// saved with the mirror, is the last series' own: an older series leaves it as it was.
TEST_F(Bulletin, UneAncienneSerieLaisseLeRayonDeLaDerniereZone) {
    doc.DiametreSerie = 170;
    doc.SerieCourante = 1;
    doc.NombreSeries = 2;
    Affiche();
    EXPECT_NE(surface.Ecran.Texte("85,0"), nullptr);
    EXPECT_EQ(doc.Zones[4][RayonExterieur], 90);
    doc.SerieCourante = 2;
    Affiche();
    EXPECT_EQ(doc.Zones[4][RayonExterieur], 85);
}

TEST_F(Bulletin, TitreDeLargeurConstante) {
    doc.CoefDeformation = -0.5; // 30 characters
    for (const auto& [pourMille, hauteur] : {std::pair{500, 21}, {450, 24}, {0, 20}}) {
        surface.Ecran.PourMilleLargeur = pourMille;
        Affiche();
        EXPECT_EQ(TexteEcran("Bulletin de contrôle du miroir").PoliceUtilisee.Hauteur, hauteur);
    }
}

TEST_F(Bulletin, ReductionRefusee) {
    const Document base = doc;
    struct Cas {
        void (*Change)(Document&);
        std::string Phrase;
    };
    for (const Cas& cas :
         std::vector<Cas>{{[](Document& d) {
                               d.Lectures[0][LigneMoyennes][1] = d.Lectures[0][LigneMoyennes][2] =
                                   0;
                           },
                           "Aucune ligne de mesure n'est validée."},
                          {[](Document& d) { d.DiametreSerie = 0; },
                           "Le diamètre et la distance focale de la série doivent être positifs."},
                          {[](Document& d) { d.NombreZones = 200; },
                           "Le nombre de zones doit être compris entre 2 et 10."}}) {
        doc = base;
        cas.Change(doc);
        Affiche();
        EXPECT_EQ(TexteEcran(cas.Phrase).X1, 20);
        EXPECT_EQ(TexteEcran(cas.Phrase).Y1, 107);
        EXPECT_EQ(TexteEcran("Notes :").Y1, 107 + 34);
        EXPECT_FALSE(Etat(Controle::Dessin).Visible || Etat(Controle::Dessin2).Visible);
        EXPECT_EQ(surface.Ecran.Texte("Aberrations transversales comparées au disque de "
                                      "diffraction"),
                  nullptr);
        for (const std::size_t i : {4u, 5u, 6u})
            EXPECT_EQ(cadres.Cadres[i], Cadre{});
        for (const std::string& t : surface.Ecran.Textes())
            for (const char* infini : {"INF", "NAN", "inf", "nan"})
                EXPECT_EQ(t.find(infini), std::string::npos) << t;
    }
    EXPECT_EQ(Etat(Controle::Fenetre).Largeur, 10 * 56 + 106);
    // Without a series diameter: the labels alone, and the last radius is kept.
    doc = base;
    doc.DiametreSerie = 0;
    Affiche();
    TexteEcran("F/D = ");
    TexteEcran("Rayon de la tache de diffraction = ");
    TexteEcran(" = ");
    EXPECT_EQ(doc.Zones[4][RayonExterieur], 90);
    EXPECT_EQ(doc.DiametresValides, 3);
}

TEST_F(Bulletin, Papier) {
    doc.DetailZones = doc.DetailMiroir = doc.RetenirD1 = false;
    doc.Commentaire = "Première ligne\r\nseconde";
    modeImpression = true;
    Affiche();
    EXPECT_FALSE(modeImpression);
    const CanvasEnregistreur& p = *surface.Papier;
    EXPECT_EQ(TextePapier("Série N°1").Y1, 192 - 95);
    EXPECT_EQ(TextePapier("Série N°1").X1, 210);
    EXPECT_TRUE(TextePapier("de Mon 200").PoliceUtilisee.Gras);
    EXPECT_FALSE(TextePapier("Diamètre optique = 200 mm").PoliceUtilisee.Gras);
    EXPECT_EQ(TextesA(p, 210, 382),
              (std::vector<std::string>{"Diamètre optique = 200 mm", "F/D = 6",
                                        "Rayon de la tache de diffraction = 4,10 ",
                                        "Epaisseur = 25 mm", "Notes :"}));
    // Whatever the switches: every row, the single measures row named "Mesures".
    EXPECT_EQ(TextesA(p, 1435 - 84, 762),
              (std::vector<std::string>{"Zones", "H. Ext", "Hm", "Hm", "100Hm/4F", "Mesures",
                                        "Moy.-Cte", "L", "1000", "l", "-10"}));
    EXPECT_EQ(TextePapier("L").Y1, 762 + 7 * 126 + 15 - 11); // Λ raised by 95 / 8
    const auto traits = p.DuGenre(G::Remplissage);           // one point after the labels
    EXPECT_TRUE(std::any_of(traits.begin(), traits.end(), [](const Trace& t) {
        return t.X1 == 1813 - 4 && t.X2 == 1813 + 4 && t.Y1 == 762 && t.Y2 == 762 + 11 * 126;
    }));
    // Graph heights from the two note lines: (6814 - 2211 - 5 x 95 - 210) / 2 = 1959.
    EXPECT_EQ(TextePapier("Aberrations transversales comparées au disque de diffraction").Y1,
              2211 + 95 + 1959 + 95);
    const int bas = 2211 + 95 + 1959 + 190 + 1959;
    EXPECT_EQ(TextePapier("Notes :").Y1, bas + 16);
    EXPECT_EQ(TextePapier("seconde").X1, 210 + 8 * 42);
    EXPECT_EQ(TextePapier("seconde").Y1, bas + 16 + 95);
    EXPECT_EQ(p.Traces.back().Y1, bas + 2 * 95 + 16);
}

TEST_F(Bulletin, PapierSansReduction) {
    doc.Lectures[0][LigneMoyennes][1] = doc.Lectures[0][LigneMoyennes][2] = 0;
    doc.Epaisseur = 0;
    modeImpression = true;
    Affiche();
    TextePapier("Epaisseur minimale = 22 mm pour ");
    EXPECT_EQ(TextePapier("Aucune ligne de mesure n'est validée.").Y1, 762);
    EXPECT_EQ(surface.Papier->Texte("Notes :"), nullptr);
    EXPECT_EQ(surface.Papier->Traces.back().Y1, 762 + 95 + 16);
}

int Largeur10(std::string_view t) {
    return 10 * NombreCaracteres(t);
}

TEST(NotesImprimees, Coupe) {
    using L = std::vector<std::string>;
    for (const auto& [texte, lignes] :
         std::vector<std::pair<std::string, L>>{{"", {}},
                                                {"a", {"a"}},
                                                {"un deux trois", {"un ", "deux ", "trois"}},
                                                {"abcdefgh ij", {"abcdef", "gh ij"}},
                                                {"1\r\n2\r\n\r\n4\r\n5", {"1", "2", "", "4"}},
                                                {"a\nb\rc\r\n\r\n", {"a", "b", "c"}},
                                                {"ééééé é", {"ééééé ", "é"}}})
        EXPECT_EQ(CoupeNotes(texte, 50, Largeur10), lignes) << texte;
}

} // namespace
} // namespace tarvo::test
