#include "BancPage.h"
#include "pages/analyse/PageAnalyse.h"
#include "pages/analyse/SourceIncertitudes.h"

#include <algorithm>
#include <cmath>

namespace tarvo::test {
namespace {

using G = Trace::Genre;

// A bootstrap that has not come back yet.
struct SourceEnCours : SourceIncertitudes {
    std::optional<IncertitudesAnalyse> Incertitudes(const Document&, const LignesValidees&,
                                                    std::uint8_t) override {
        ++Demandes;
        return std::nullopt;
    }
    int Demandes = 0;
};

// A 200 mm F/6 on four zones with a 60 mm hole, `lignes` lines on each diameter read near a
// paraboloid with a turned edge.
struct Analyse : BancPage {
    void Serie(int lignes) {
        const double rayons[] = {0, 45, 65, 83, 100}, bord[] = {0, 0, 0.01, 0.03, -0.05};
        doc.Intitule = "Essai";
        doc.Diametre = doc.DiametreSerie = 200;
        doc.Focale = doc.FocaleSerie = 1200;
        doc.TrouCentral = doc.TrouCentralSerie = 60;
        doc.NombreZones = 4;
        for (int i = 1; i <= 4; ++i)
            doc.Zones[i][RayonExterieur] = rayons[i];
        for (int k = 1; k <= 2; ++k)
            for (int j = 1; j <= lignes; ++j) {
                doc.Lectures[0][j][k] = 1;
                for (int i = 1; i <= 4; ++i) {
                    const double hm = ((i == 1 ? 30 : rayons[i - 1]) + rayons[i]) / 2;
                    doc.Lectures[i][j][k] = hm * hm / 2400 + bord[i] + 0.004 * ((i + j + k) % 3);
                }
            }
        CalculeMoyennes(doc);
    }
    void Affiche() {
        surface.Ecran.Traces.clear();
        ContextePage page = Contexte();
        AfficheAnalyse(page);
    }
    bool Contient(const std::vector<std::string>& textes, std::string_view morceau) {
        return std::any_of(textes.begin(), textes.end(), [&](const std::string& t) {
            return t.find(morceau) != std::string::npos;
        });
    }
};

TEST_F(Analyse, PageEcranEtPapier) {
    Serie(5);
    const Document avant = doc;
    modeImpression = true;
    Affiche();
    EXPECT_EQ(surface.BoutonEnfonce, BoutonPage::ToolAnalyse);
    EXPECT_EQ(surface.ContexteAide, 3500);
    for (const Controle c : {Controle::Note, Controle::Dessin, Controle::Dessin2, Controle::Saisie})
        EXPECT_FALSE(Etat(c).Visible);
    // The page reduces a copy: nothing of the document moves.
    EXPECT_EQ(doc.Zones, avant.Zones);
    EXPECT_EQ(doc.RayonCourbure, avant.RayonCourbure);

    // The rows in order, each value with its σ, then what the σ are and the model.
    const std::vector<std::string> ecran = surface.Ecran.Textes();
    const auto debut = std::find(ecran.begin(), ecran.end(), "Grandeur");
    ASSERT_NE(debut, ecran.end());
    const std::vector<std::string> table(debut, debut + 15);
    EXPECT_EQ(table[3], "Ecart maximal ε");
    EXPECT_EQ(table[6], "Ecart RMS");
    EXPECT_EQ(table[9], "Rapport de Strehl");
    EXPECT_EQ(table[12], "Conique ajustée K");
    for (const int i : {4, 7})
        EXPECT_NE(table[static_cast<std::size_t>(i)].find(" nm = λ/"), std::string::npos);
    for (const int i : {5, 8, 11, 14})
        EXPECT_EQ(table[static_cast<std::size_t>(i)].rfind("± ", 0), 0u) << table[i];
    EXPECT_TRUE(Contient(ecran, "Analyse du miroir parabolique"));
    EXPECT_TRUE(Contient(ecran, "Mesures retenues : D1 (5 lignes) et D2 (5 lignes)"));
    EXPECT_TRUE(Contient(ecran, "Incertitudes : écart-type sur 1000 tirages"));
    EXPECT_TRUE(Contient(ecran, "approximation de Maréchal–Mahajan"));
    EXPECT_FALSE(Contient(ecran, "nan") || Contient(ecran, "inf"));
    // The band around the profile, and the grey hole.
    const auto remplis = surface.Ecran.DuGenre(G::Remplissage);
    auto teinte = [&](Couleur c) {
        return std::count_if(remplis.begin(), remplis.end(),
                             [&](const Trace& t) { return t.BrosseUtilisee.Teinte == c; });
    };
    EXPECT_GT(teinte(Couleur{218, 218, 218}), 100);
    EXPECT_EQ(teinte(Argent), 1);

    // Paper: the same rows with their σ, the footer last.
    ASSERT_TRUE(surface.Papier);
    const std::vector<std::string> papier = surface.Papier->Textes();
    EXPECT_EQ(papier.front(), "Analyse du miroir parabolique");
    EXPECT_TRUE(Contient(papier, "Conique ajustée K"));
    EXPECT_EQ(std::count_if(papier.begin(), papier.end(),
                            [](const std::string& t) {
                                return t.rfind("± ", 0) == 0 && t.find("σ") == std::string::npos;
                            }),
              4);
    EXPECT_EQ(papier.back(), "Document réalisé avec le logiciel TARVO - https://www.tarvo.fr");
    EXPECT_FALSE(modeImpression);
}

// What the page says when it cannot give everything: the σ still on their way (paper waits
// for them), a single line per diameter, no validated line.
TEST_F(Analyse, EtatsSansIncertitudes) {
    Serie(5);
    SourceEnCours enCours;
    etat.Incertitudes = &enCours;
    Affiche();
    std::vector<std::string> ecran = surface.Ecran.Textes();
    EXPECT_EQ(std::count(ecran.begin(), ecran.end(), "en calcul"), 3);
    EXPECT_TRUE(Contient(ecran, "Incertitudes en cours de calcul (1000 tirages)…"));
    EXPECT_TRUE(Contient(ecran, "± ")); // K's σ needs no bootstrap
    modeImpression = true;
    Affiche();
    const std::vector<std::string> papier = surface.Papier->Textes();
    EXPECT_FALSE(Contient(papier, "en calcul"));
    EXPECT_EQ(enCours.Demandes, 2);

    etat.Incertitudes = nullptr;
    doc = Document{};
    Serie(1);
    Affiche();
    ecran = surface.Ecran.Textes();
    EXPECT_EQ(std::count(ecran.begin(), ecran.end(), "—"), 4);
    EXPECT_TRUE(Contient(ecran, "Une seule ligne validée sur un diamètre retenu"));

    doc.Lectures[0][LigneMoyennes][1] = doc.Lectures[0][LigneMoyennes][2] = 0;
    Affiche();
    ecran = surface.Ecran.Textes();
    EXPECT_TRUE(Contient(ecran, "Aucune ligne de mesure n'est validée."));
    EXPECT_FALSE(Contient(ecran, "Grandeur") || Contient(ecran, "nan"));
}

} // namespace
} // namespace tarvo::test
