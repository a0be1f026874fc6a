#include "BancProgramme.h"
#include "app/Commandes.h"
#include "document/Lecteur.h"
#include "entry/CliqueBulletin.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarvo::test {
namespace {

using A = Action;

const std::string Nom = "/miroirs/essai.bdc";
const std::string Refus =
    "Il faut d'abord sauvegarder le fichier pour changer de série de mesures.";

// A three-series document opened and shown as its test report.
struct Series : ::testing::Test {
    Series() {
        FormCreate(p, {});
        banc.fichiers.Contenus[Nom] = DocumentDeSeries(3);
        banc.dialogues.FichiersChoisis.push_back(Nom);
        FileOpen1Execute(p);
        ExecuteAction(p, A::BulletinDeControle);
        banc.fichiers.Journal.clear();
    }
    int Lectures() const {
        return static_cast<int>(
            std::count(banc.fichiers.Journal.begin(), banc.fichiers.Journal.end(), "lit " + Nom));
    }

    BancProgramme banc;
    Programme& p = banc.programme;
    std::vector<MessageAffiche>& messages = banc.dialogues.Messages;
};

TEST_F(Series, F4F5EtFlechesParcourentLesSeriesEnGardantLeCommentaireDeLaDerniere) {
    ASSERT_EQ(p.Etat.PageCourante, "Bulletin");
    ASSERT_EQ(p.Doc.SerieCourante, 3);
    const std::function<void()> f4 = [this] { ExecuteAction(p, A::PageMoins); };
    const std::function<void()> f5 = [this] { ExecuteAction(p, A::PagePlus); };
    const std::function<void()> precedente = [this] { SeriePrecedente(p); };
    const std::function<void()> suivante = [this] { SerieSuivante(p); };
    const struct {
        const std::function<void()>& commande;
        int serie;
        int lectures; // reads of the file so far
    } pas[] = {{f4, 2, 1},       {precedente, 1, 2}, {f4, 1, 2},       {f5, 2, 3},
               {suivante, 3, 4}, {f5, 3, 4},         {suivante, 3, 4}, {precedente, 2, 5}};
    for (const auto& etape : pas) {
        etape.commande();
        EXPECT_EQ(p.Doc.SerieCourante, etape.serie);
        EXPECT_EQ(Lectures(), etape.lectures) << "série " << etape.serie;
        EXPECT_EQ(p.Doc.NombreSeries, 3);
        EXPECT_EQ(banc.principale.Note, "Série " + std::to_string(etape.serie));
        EXPECT_EQ(p.Doc.Commentaire, "Série 3");
    }
    EXPECT_TRUE(messages.empty());

    // F4 and F5 browse from the report only.
    p.Etat.PageCourante = PageCaracteristiques;
    ExecuteAction(p, A::PageMoins);
    ExecuteAction(p, A::PagePlus);
    EXPECT_EQ(p.Doc.SerieCourante, 2);
    EXPECT_EQ(Lectures(), 5);
}

// A change not saved must survive every browsing attempt: the comment typed (whatever its
// characters), a series value of the report.
TEST_F(Series, UnChangementNonEnregistreBloqueLeParcoursEtResteAEnregistrer) {
    EXPECT_EQ(FicheNoteKeyPress(p, "Série 3", U'"'), U'`');
    FicheNoteChange(p, "Série 3`é");
    EXPECT_TRUE(p.Doc.Modifie);
    EXPECT_FALSE(banc.surface.Controles[Controle::DownRelache].Visible);
    EXPECT_TRUE(banc.surface.Controles[Controle::DownNeutre].Visible);
    // The memo changed nothing else yet: `Mesures` is still enabled, so F4 reaches the rule.
    ASSERT_TRUE(p.Actions.Active(A::Mesures));
    for (const auto& parcours : {std::function<void()>([this] { ExecuteAction(p, A::PageMoins); }),
                                 std::function<void()>([this] { SeriePrecedente(p); })}) {
        messages.clear();
        parcours();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].Texte, Refus);
        EXPECT_EQ(p.Doc.SerieCourante, 3);
        EXPECT_TRUE(p.Doc.Modifie);
        EXPECT_EQ(p.Doc.Commentaire, "Série 3`é");
        EXPECT_EQ(Lectures(), 0);
    }

    // Saved, the comment is the last series' and browsing is free again.
    FileSave1Execute(p);
    ASSERT_TRUE(p.Doc.EnregistrementReussi);
    ExecuteAction(p, A::PageMoins);
    EXPECT_EQ(p.Doc.SerieCourante, 2);
    EXPECT_EQ(p.Doc.Commentaire, "Série 3`é");
    SerieSuivante(p);
    EXPECT_EQ(banc.principale.Note, "Série 3`é");

    messages.clear();
    p.Doc.ModifieBulletin = true;
    SeriePrecedente(p);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Texte, Refus);
    EXPECT_EQ(p.Doc.SerieCourante, 3);
}

TEST_F(Series, UnFichierSupprimeOuChangeLaisseLaSerieEnMemoire) {
    const Document avant = p.Doc;
    banc.fichiers.Contenus.erase(Nom);
    ExecuteAction(p, A::PageMoins);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Texte, "Fichier introuvable");
    EXPECT_EQ(p.Doc.SerieCourante, 3);
    EXPECT_EQ(p.Doc.Lectures, avant.Lectures);
    EXPECT_EQ(p.Doc.Commentaire, "Série 3");
    EXPECT_EQ(p.Doc.NomFichier, Nom);

    // Back to series 2, then the file loses its third series behind the program's back.
    banc.fichiers.Contenus[Nom] = DocumentDeSeries(3);
    ExecuteAction(p, A::PageMoins);
    ASSERT_EQ(p.Doc.SerieCourante, 2);
    const Document serie2 = p.Doc;
    banc.fichiers.Contenus[Nom] = DocumentDeSeries(2);
    messages.clear();
    ExecuteAction(p, A::PagePlus);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].Texte.find("a changé depuis son ouverture"), std::string::npos);
    EXPECT_EQ(p.Doc.SerieCourante, 2);
    EXPECT_EQ(p.Doc.NombreSeries, 3);
    EXPECT_EQ(p.Doc.Lectures, serie2.Lectures);
    EXPECT_EQ(p.Doc.Commentaire, "Série 3");
}

// Whatever a user types or pastes in the comment, the saved file gives back the comment
// held in memory after the save, and every older series stays as it was.
TEST_F(Series, LeCommentaireSaisiSeRelitTelQuel) {
    for (const char* texte : {"\"Bord\" rabattu", "\r\n\r\nzone 3 \"\r\n", "-", "\"-\"",
                              "\"\"", "a\r\n\r\n\"b\r\n"}) {
        FicheNoteKeyPress(p, p.Doc.Note, U'x');
        FicheNoteChange(p, texte);
        FileSave1Execute(p);
        ASSERT_TRUE(p.Doc.EnregistrementReussi) << texte;
        Document relu;
        relu.NomFichier = Nom;
        DialoguesEnregistres muets;
        LireDocument(relu, banc.fichiers, muets);
        EXPECT_EQ(relu.Commentaire, p.Doc.Commentaire) << texte;
        EXPECT_EQ(banc.principale.Note, p.Doc.Commentaire) << texte;
        EXPECT_EQ(relu.SerieCourante, 3);
        relu.SerieDemandee = 2;
        LireDocument(relu, banc.fichiers, muets);
        EXPECT_EQ(relu.Note, "Série 2");
    }
}

TEST_F(Series, ImprimerLeBulletinPasseParLeDialogueUneSeuleFois) {
    banc.surface.ImpressionAcceptee = true;
    ExecuteAction(p, A::Imprimer1);
    EXPECT_EQ(banc.surface.DialoguesImpression, 1);
    ASSERT_TRUE(banc.surface.Papier);
    EXPECT_NE(banc.surface.Papier->Texte("Bulletin de contrôle du miroir parabolique"), nullptr);
    EXPECT_NE(banc.surface.Papier->Texte("Série 3"), nullptr);
    EXPECT_FALSE(p.Etat.ModeImpression);
    AffichePage(p);
    EXPECT_EQ(banc.surface.DialoguesImpression, 1);
}

// Boxes of a report as its drawer records them; each case clicks one point.
TEST(CliqueBulletin, ChaqueZoneFaitCeQueDitLaPage) {
    CadresPage cadres;
    cadres.Cadres[1] = {4, 40, 15, 52};
    cadres.Cadres[2] = {150, 36, 200, 58};
    cadres.Cadres[3] = {400, 36, 460, 58};
    cadres.Cadres[4] = {5, 120, 15, 132};
    cadres.Cadres[5] = {5, 200, 15, 212};
    cadres.Cadres[6] = {5, 220, 15, 232};
    cadres.Cadres[7] = {200, 100, 250, 120};
    using E = EffetClicBulletin;
    const struct Cas {
        int x, y;
        bool derniere;
        double trou;
        bool detailZones;
        std::uint8_t valides, retenus;
        E effet;
        bool detailMiroir, retenirD1, retenirD2;
        std::uint8_t retenusApres;
    } cas[] = {
        {10, 46, true, 0, true, 3, 3, E::Redessine, false, true, true, 3},
        {10, 46, false, 0, true, 3, 3, E::Redessine, false, true, true, 3},
        {4, 46, true, 0, true, 3, 3, E::Aucun, true, true, true, 3}, // on the border
        {175, 46, true, 0, true, 3, 3, E::DiametreSerie, true, true, true, 3},
        {175, 46, false, 0, true, 3, 3, E::Aucun, true, true, true, 3},
        {430, 46, true, 0, true, 3, 3, E::RayonCourbure, true, true, true, 3},
        {430, 46, false, 0, true, 3, 3, E::Aucun, true, true, true, 3},
        {225, 110, true, 40, true, 3, 3, E::TrouSerie, true, true, true, 3},
        {225, 110, true, 0, true, 3, 3, E::Aucun, true, true, true, 3},
        {225, 110, false, 40, true, 3, 3, E::Aucun, true, true, true, 3},
        {10, 206, true, 0, true, 3, 3, E::Redessine, true, false, true, 3},
        {10, 206, true, 0, true, 3, 2, E::Redessine, true, true, true, 3},
        {10, 206, true, 0, false, 3, 3, E::Aucun, true, true, true, 3},
        {10, 206, true, 0, true, 2, 2, E::Aucun, true, false, true, 2},
        {10, 226, true, 0, true, 3, 3, E::Redessine, true, true, false, 3},
        {10, 226, true, 0, true, 3, 1, E::Aucun, true, true, true, 1},
    };
    for (const Cas& c : cas) {
        Document doc;
        doc.NombreSeries = 3;
        doc.SerieCourante = c.derniere ? 3 : 2;
        doc.TrouCentralSerie = c.trou;
        doc.DetailZones = c.detailZones;
        doc.DiametresValides = c.valides;
        EtatPages etat;
        etat.DiametresRetenus = c.retenus;
        // Diameter 2 alone is kept when diameter 1 was left out.
        if (c.retenus == 2) doc.RetenirD1 = false;
        EXPECT_EQ(CliqueBulletin(doc, etat, cadres, c.x, c.y), c.effet) << c.x << "," << c.y;
        EXPECT_EQ(doc.DetailMiroir, c.detailMiroir) << c.x << "," << c.y;
        EXPECT_EQ(doc.RetenirD1, c.retenirD1) << c.x << "," << c.y;
        EXPECT_EQ(doc.RetenirD2, c.retenirD2) << c.x << "," << c.y;
        EXPECT_EQ(etat.DiametresRetenus, c.retenusApres) << c.x << "," << c.y;
    }
    // A click in the DetailZones box toggles it both ways.
    Document doc;
    EtatPages etat;
    EXPECT_EQ(CliqueBulletin(doc, etat, cadres, 10, 126), E::Redessine);
    EXPECT_FALSE(doc.DetailZones);
    EXPECT_EQ(CliqueBulletin(doc, etat, cadres, 10, 126), E::Redessine);
    EXPECT_TRUE(doc.DetailZones);
}

} // namespace
} // namespace tarvo::test
