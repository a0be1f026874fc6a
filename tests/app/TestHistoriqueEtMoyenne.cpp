#include "BancProgramme.h"
#include "app/Commandes.h"
#include "document/Conversions.h"
#include "document/Lecteur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tarvo::test {
namespace {

using A = Action;

// A series of a 200 mm F/6 on four zones: its diameter, and `lignes` validated lines on
// each diameter read near a paraboloid (0 lines: nothing validated).
struct SerieFichier {
    int Lignes = 3;
    double Diametre = 200;
};

// A version-2 file of these series, as the program writes one.
std::string Fichier(const std::vector<SerieFichier>& series) {
    std::string t;
    auto ligne = [&t](const std::string& l) { t += l + "\r\n"; };
    auto nombre = [&ligne](double v) { ligne(TexteFichier(v)); };
    ligne("tarvo 2.5.3");
    ligne("\"Essai\"");
    for (const double v : {200.0, 1200.0, 25.0, -1.0, 0.0})
        nombre(v);
    nombre(4);
    const double rayons[] = {45, 65, 83, 100};
    for (const double r : rayons)
        nombre(r);
    for (std::size_t s = 0; s < series.size(); ++s) {
        nombre(46000.0 + static_cast<double>(s));
        nombre(series[s].Diametre);
        nombre(1200);
        nombre(0);
        for (int k = 1; k <= 2; ++k)
            for (int j = 1; j <= LignesMesure; ++j) {
                const bool valide = j <= series[s].Lignes;
                nombre(valide ? 1 : 0);
                double interieur = 0;
                for (const double r : rayons) {
                    const double hm = (interieur + r) / 2;
                    interieur = r;
                    nombre(valide ? hm * hm / 2400 + 1 + 0.01 * ((j + k + static_cast<int>(s)) % 3)
                                  : 0);
                }
            }
        ligne("\"Série " + std::to_string(s + 1) + "\"");
        ligne("\"-\"");
    }
    return t;
}

struct HistoriqueEtMoyenne : ::testing::Test {
    void Ouvre(const std::vector<SerieFichier>& series) {
        FormCreate(p, {});
        banc.fichiers.Contenus[Nom] = Fichier(series);
        banc.dialogues.FichiersChoisis.push_back(Nom);
        FileOpen1Execute(p);
        banc.fichiers.Journal.clear();
    }
    std::vector<std::string> Textes() {
        auto t = banc.surface.Ecran.Textes();
        banc.surface.Ecran.Traces.clear();
        return t;
    }
    // The texts of the history's line for a series (the N° column first).
    std::vector<std::string> Ligne(const std::vector<std::string>& textes, const std::string& n) {
        const auto debut = std::find(textes.begin(), textes.end(), "Commentaire");
        for (auto i = debut; i != textes.end(); i += 10)
            if (i + 1 != textes.end() && *(i + 1) == n) return {i + 1, i + 11};
        return {};
    }
    const Cadre& Boite(int serie) {
        for (const auto& [s, boite] : p.Pages.LignesHistorique)
            if (s == serie) return boite;
        static const Cadre aucune;
        return aucune;
    }

    const std::string Nom = "/miroirs/essai.bdc";
    BancProgramme banc;
    Programme& p = banc.programme;
};

// Every series a line, an unreducible one in the middle with "—"; a click or Enter opens a
// line's report; F4 and F5 turn the pages of a long table.
TEST_F(HistoriqueEtMoyenne, UneLigneParSerieEtSonBulletinDUnClic) {
    Ouvre({{3}, {0}, {4}});
    ExecuteAction(p, A::Historique);
    EXPECT_EQ(p.Etat.PageCourante, "Historique");
    const auto textes = Textes();
    EXPECT_NE(std::find(textes.begin(), textes.end(), "3 séries, du 09/12/2025 au 11/12/2025."),
              textes.end());
    const auto deux = Ligne(textes, "2");
    ASSERT_EQ(deux.size(), 10u);
    EXPECT_EQ(std::count(deux.begin(), deux.end(), "—"), 5) << deux[4];
    EXPECT_EQ(deux[3], "0");
    for (const std::string n : {"1", "3"}) {
        const auto l = Ligne(textes, n);
        ASSERT_EQ(l.size(), 10u);
        EXPECT_EQ(std::count(l.begin(), l.end(), "—"), 0) << n;
        EXPECT_NE(l[5].find("λ/"), std::string::npos);
    }
    EXPECT_EQ(Ligne(textes, "3")[9], "Série 3");
    ASSERT_EQ(p.Pages.LignesHistorique.size(), 3u);

    const Cadre b = Boite(1);
    FicheFenetreMouseUp(p, (b.Gauche + b.Droite) / 2, (b.Haut + b.Bas) / 2);
    EXPECT_EQ(p.Etat.PageCourante, "Bulletin");
    EXPECT_EQ(p.Doc.SerieCourante, 1);
    ExecuteAction(p, A::Historique);
    EXPECT_EQ(p.Pages.LigneHistorique, 1);
    EXPECT_TRUE(ToucheHistorique(p, TouchePage::Bas));
    EXPECT_TRUE(ToucheHistorique(p, TouchePage::Bas));
    EXPECT_TRUE(ToucheHistorique(p, TouchePage::Entree));
    EXPECT_EQ(p.Etat.PageCourante, "Bulletin");
    EXPECT_EQ(p.Doc.SerieCourante, 3);
    EXPECT_FALSE(ToucheHistorique(p, TouchePage::Haut));

    // 45 series: the last page first, F4 the first thirty, F5 back to the last ones.
    Ouvre(std::vector<SerieFichier>(45));
    ExecuteAction(p, A::Historique);
    auto premiereEtDerniere = [this] {
        Textes();
        AffichePage(p);
        const auto& l = p.Pages.LignesHistorique;
        return std::pair{l.front().first, l.back().first};
    };
    EXPECT_EQ(premiereEtDerniere(), (std::pair{16, 45}));
    ExecuteAction(p, A::PageMoins);
    EXPECT_EQ(premiereEtDerniere(), (std::pair{1, 30}));
    ExecuteAction(p, A::PagePlus);
    EXPECT_EQ(premiereEtDerniere(), (std::pair{16, 45}));
}

// The mean is shown, never stored unless asked; saved, it is the file's new series.
TEST_F(HistoriqueEtMoyenne, LaMoyenneMontreeNeChangeRienJusquAEtreEnregistree) {
    Ouvre({{3}, {2, 150}, {4}});
    const std::string avant = banc.fichiers.Contenus[Nom];
    // Series 2 has another diameter: once series 1 is checked it cannot be.
    banc.dialogues.ListesChoisies = {std::vector<int>{0, 1}, std::vector<int>{0, 2}};
    ExecuteAction(p, A::MoyenneSeries);
    EXPECT_FALSE(p.Moyenne);
    ASSERT_EQ(banc.dialogues.Listes.size(), 1u);
    EXPECT_EQ(banc.dialogues.Listes[0][1].Libelle, "Série 2 — 10/12/2025 — 2 + 2 lignes");
    EXPECT_TRUE(banc.dialogues.Listes[0][1].Actif);
    ExecuteAction(p, A::MoyenneSeries);
    ASSERT_TRUE(p.Moyenne);
    EXPECT_EQ(p.Etat.PageCourante, "Bulletin");
    EXPECT_EQ(p.Moyenne->Calcul.Lignes.Nombre(1), 7);
    const auto textes = Textes();
    EXPECT_NE(std::find(textes.begin(), textes.end(), "Moyenne"), textes.end());
    EXPECT_NE(std::find(textes.begin(), textes.end(), "Essai — Moyenne des séries 1, 3"),
              textes.end());
    EXPECT_TRUE(p.Actions.Active(A::EnregistreMoyenne));

    // The history adds its line; the pages and printing change nothing of the file.
    ExecuteAction(p, A::Historique);
    EXPECT_EQ(Ligne(Textes(), "Moy.").at(9), "Moyenne des séries 1, 3");
    ExecuteAction(p, A::Analyse);
    ExecuteAction(p, A::Imprimer1);
    EXPECT_TRUE(p.Moyenne);
    EXPECT_EQ(banc.fichiers.Contenus[Nom], avant);
    EXPECT_EQ(p.Doc.NombreSeries, 3);
    EXPECT_FALSE(p.Doc.Modifie);
    // Another command leaves it.
    ExecuteAction(p, A::Feuille_Travail);
    EXPECT_FALSE(p.Moyenne);
    EXPECT_FALSE(p.Actions.Active(A::EnregistreMoyenne));

    banc.dialogues.ListesChoisies = {std::vector<int>{0, 2}};
    ExecuteAction(p, A::MoyenneSeries);
    const double moyenneZone2 = p.Moyenne->Calcul.Serie.Lectures[2][LigneMoyennes][1];
    ExecuteAction(p, A::EnregistreMoyenne);
    EXPECT_FALSE(p.Moyenne);
    EXPECT_EQ(p.Doc.NombreSeries, 4);
    EXPECT_EQ(p.Doc.SerieCourante, 4);
    EXPECT_TRUE(p.Doc.Modifie);
    EXPECT_EQ(p.Doc.Commentaire, "Moyenne des séries 1 (3 + 3 lignes) et 3 (4 + 4 lignes)");
    // The usual protection: browsing waits for the save.
    banc.dialogues.Messages.clear();
    SeriePrecedente(p);
    EXPECT_EQ(banc.dialogues.Messages.size(), 1u);
    EXPECT_EQ(p.Doc.SerieCourante, 4);
    FileSave1Execute(p);
    ASSERT_TRUE(p.Doc.EnregistrementReussi);
    std::vector<Document> relues;
    ParcourtSeries(banc.fichiers.Contenus[Nom], [&](const Document& d) { relues.push_back(d); });
    ASSERT_EQ(relues.size(), 4u);
    EXPECT_DOUBLE_EQ(relues[3].Lectures[2][LigneMoyennes][1], moyenneZone2);
    EXPECT_EQ(relues[0].Lectures, [&] {
        std::vector<Document> d;
        ParcourtSeries(avant, [&](const Document& s) { d.push_back(s); });
        return d[0].Lectures;
    }());
}

// The shadows' settings reach the page (a value that is no number changes nothing); the mask
// goes to the printer, or says why it cannot be drawn without asking for one.
TEST_F(HistoriqueEtMoyenne, OmbresReglablesEtMasqueImprime) {
    Ouvre({{3}, {3}});
    ExecuteAction(p, A::Ombres);
    EXPECT_EQ(p.Etat.PageCourante, "Ombres");
    const struct {
        Controle Boite;
        double Valeur;
        const char* Texte;
    } reglages[] = {
        {Controle::ReglageZone, 2, "Couteau au centre de courbure de la zone 2"},
        {Controle::ReglageLignes, 50,
         "Réseau de 50 traits par pouce, 2,0 mm en deçà du centre de courbure"},
        {Controle::ReglageDecalage, std::nan(""), nullptr},
        {Controle::ReglageDecalage, 3.5,
         "Réseau de 50 traits par pouce, 3,5 mm au-delà du centre de courbure"},
    };
    for (const auto& r : reglages) {
        Textes();
        ReglageOmbres(p, r.Boite, r.Valeur);
        const auto textes = Textes();
        if (r.Texte == nullptr) {
            EXPECT_TRUE(textes.empty());
            EXPECT_EQ(p.Pages.Ombres.Decalage, 2);
            continue;
        }
        EXPECT_NE(std::find(textes.begin(), textes.end(), r.Texte), textes.end()) << r.Texte;
    }

    ExecuteAction(p, A::MasqueCouder);
    EXPECT_EQ(banc.surface.DialoguesImpression, 1);
    EXPECT_TRUE(banc.dialogues.Messages.empty());
    p.Doc.Zones[2][RayonExterieur] = 30;
    ExecuteAction(p, A::MasqueCouder);
    EXPECT_EQ(banc.surface.DialoguesImpression, 1);
    ASSERT_EQ(banc.dialogues.Messages.size(), 1u);
    EXPECT_EQ(banc.dialogues.Messages[0].Texte,
              "Le masque de Couder ne peut pas être dessiné : Les rayons des zones doivent "
              "croître du bord du trou central jusqu'au bord du miroir.");
}

} // namespace
} // namespace tarvo::test
