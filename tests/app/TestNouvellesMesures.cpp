#include "BancProgramme.h"
#include "app/Commandes.h"
#include "document/Lecteur.h"

#include <gtest/gtest.h>

namespace tarvo::test {
namespace {

using A = Action;

const std::string Nom = "/miroirs/essai.bdc";

struct NouvellesMesures : ::testing::Test {
    NouvellesMesures() { FormCreate(p, {}); }
    void Ouvre(int series, bool derniereVide = false) {
        banc.fichiers.Contenus[Nom] = DocumentDeSeries(series, "Essai", 200, 1200, derniereVide);
        banc.dialogues.FichiersChoisis.push_back(Nom);
        FileOpen1Execute(p);
        banc.fichiers.Journal.clear();
    }
    // What the user types into the new series before saving it.
    void Tape() {
        p.Doc.Lectures[1][1][1] = 2.5;
        p.Doc.Lectures[0][1][1] = 1;
        p.Doc.Commentaire = p.Doc.Note = "Nouvelle";
        p.Doc.Modifie = true;
    }
    // The file as a new open reads it: every series in turn.
    std::vector<Document> Relu() {
        std::vector<Document> series;
        for (int s = 1;; ++s) {
            Document d;
            InitialiseDocument(d, banc.systeme.Jour);
            d.NomFichier = Nom;
            d.SerieDemandee = s;
            DialoguesEnregistres muets;
            LireDocument(d, banc.fichiers, muets);
            if (d.SerieCourante < s) break;
            series.push_back(d);
        }
        return series;
    }
    int Lectures() const {
        return static_cast<int>(
            std::count(banc.fichiers.Journal.begin(), banc.fichiers.Journal.end(), "lit " + Nom));
    }

    BancProgramme banc;
    Programme& p = banc.programme;
};

// A new series becomes one more series of the file, after every older one kept as it was;
// an empty last series is taken for the new one instead of piling up. Cancelling in
// between changes nothing of that.
TEST_F(NouvellesMesures, EnregistreeElleSAjouteSansPerdreLesSeriesPrecedentes) {
    const struct {
        bool derniereVide, annuleDabord;
        int seriesApres;
    } cas[] = {{false, false, 4}, {false, true, 4}, {true, false, 3}, {true, true, 3}};
    for (const auto& c : cas) {
        Ouvre(3, c.derniereVide);
        ExecuteAction(p, A::NouvellesMesures);
        if (c.annuleDabord) {
            ExecuteAction(p, A::Annuler);
            ASSERT_EQ(p.Doc.NombreSeries, 3);
            ExecuteAction(p, A::NouvellesMesures);
        }
        EXPECT_EQ(p.Etat.PageCourante, "NouvellesMesures");
        EXPECT_EQ(p.Doc.NombreSeries, c.seriesApres);
        EXPECT_EQ(p.Doc.SerieCourante, c.seriesApres);
        EXPECT_EQ(p.Doc.Lectures[1][1][1], 0);
        EXPECT_TRUE(p.Doc.Commentaire.empty());
        EXPECT_EQ(p.Doc.DateSerie, banc.systeme.Jour);
        EXPECT_EQ(p.Etat.Saisie.ChampCourant, 9u);
        EXPECT_EQ(p.Etat.Saisie.LigneCourante, 1);
        EXPECT_TRUE(banc.surface.Controles[Controle::Saisie].Visible);
        EXPECT_TRUE(banc.principale.FocusSaisie);

        Tape();
        FileSave1Execute(p);
        ASSERT_TRUE(p.Doc.EnregistrementReussi);
        const std::vector<Document> relu = Relu();
        ASSERT_EQ(static_cast<int>(relu.size()), c.seriesApres);
        const int anciennes = c.derniereVide ? 2 : 3;
        for (int s = 1; s <= anciennes; ++s) {
            EXPECT_DOUBLE_EQ(relu[s - 1].Lectures[1][1][1], 1 + s / 10.0) << s;
            EXPECT_EQ(relu[s - 1].Note, "Série " + std::to_string(s));
        }
        EXPECT_DOUBLE_EQ(relu.back().Lectures[1][1][1], 2.5);
        EXPECT_EQ(relu.back().Note, "Nouvelle");
    }
}

TEST_F(NouvellesMesures, AnnulerRameneLaDerniereSerieEnregistreeTelleQuelle) {
    Ouvre(3);
    p.Doc.NombreSeries = 3;
    const Document avant = p.Doc;
    ExecuteAction(p, A::NouvellesMesures);
    ExecuteAction(p, A::Annuler);
    EXPECT_EQ(Lectures(), 1);
    EXPECT_EQ(p.Etat.PageCourante, "EditionMesures");
    EXPECT_EQ(p.Doc.Lectures, avant.Lectures);
    EXPECT_EQ(p.Doc.Commentaire, avant.Commentaire);
    EXPECT_EQ(p.Doc.Note, avant.Note);
    EXPECT_EQ(p.Doc.DateSerie, avant.DateSerie);
    EXPECT_EQ(p.Doc.DiametreSerie, avant.DiametreSerie);
    EXPECT_EQ(p.Doc.FocaleSerie, avant.FocaleSerie);
    EXPECT_EQ(p.Doc.TrouCentralSerie, avant.TrouCentralSerie);
    EXPECT_EQ(p.Doc.NombreSeries, 3);
    EXPECT_EQ(p.Doc.SerieCourante, 3);
    EXPECT_FALSE(p.Doc.Modifie);

    // A document never saved: nothing to read back, nothing in memory changes.
    FileNew1Execute(p);
    p.Doc.Diametre = p.Doc.DiametreSerie = 200;
    p.Doc.Focale = p.Doc.FocaleSerie = 1200;
    ExecuteAction(p, A::NouvellesMesures);
    Tape();
    const Document nouvelle = p.Doc;
    banc.fichiers.Journal.clear();
    ExecuteAction(p, A::Annuler);
    EXPECT_TRUE(banc.fichiers.Journal.empty());
    // The readings and flags as typed (line 11 holds the means the page recomputes).
    for (int i = 0; i <= ZonesMax; ++i)
        for (int j = 1; j <= LignesMesure; ++j)
            EXPECT_EQ(p.Doc.Lectures[i][j], nouvelle.Lectures[i][j]);
    EXPECT_EQ(p.Doc.Commentaire, "Nouvelle");
    EXPECT_EQ(p.Doc.NombreSeries, 1);
    EXPECT_EQ(p.Etat.PageCourante, "EditionMesures");
}

// Browsing back from a new series nothing was typed in goes to the series before it, and
// the document counts the file's series again.
TEST_F(NouvellesMesures, LaFlechePrecedenteQuitteLaNouvelleSerie) {
    for (const bool derniereVide : {false, true}) {
        Ouvre(3, derniereVide);
        ExecuteAction(p, A::NouvellesMesures);
        ExecuteAction(p, A::Mesures);
        ASSERT_EQ(p.Etat.PageCourante, "Mesures");
        SeriePrecedente(p);
        EXPECT_EQ(p.Doc.SerieCourante, derniereVide ? 2 : 3);
        EXPECT_EQ(p.Doc.NombreSeries, 3);
        EXPECT_TRUE(banc.dialogues.Messages.empty());
        SerieSuivante(p);
        EXPECT_EQ(p.Doc.SerieCourante, 3);
        EXPECT_TRUE(banc.dialogues.Messages.empty());
    }
}

TEST_F(NouvellesMesures, EditionDesMesuresSurLaDerniereSerie) {
    Ouvre(3);
    ExecuteAction(p, A::EditionDesMesures);
    EXPECT_EQ(p.Etat.PageCourante, "EditionMesures");
    EXPECT_EQ(p.Etat.Saisie.ChampCourant, 9u);
    EXPECT_EQ(p.Etat.Saisie.ColonneCourante, 1);
    EXPECT_TRUE(banc.surface.Controles[Controle::Saisie].Visible);
    // While an older series is shown, editing is not offered.
    ExecuteAction(p, A::BulletinDeControle);
    ExecuteAction(p, A::PageMoins);
    ASSERT_EQ(p.Doc.SerieCourante, 2);
    EXPECT_FALSE(p.Actions.Active(A::EditionDesMesures));
}

} // namespace
} // namespace tarvo::test
