#include "BancProgramme.h"
#include "app/Commandes.h"
#include "app/Noms.h"
#include "document/Lecteur.h"
#include "document/Texte.h"

#include <gtest/gtest.h>

namespace tarvo::test {
namespace {

using A = Action;

struct Commandes : ::testing::Test {
    Commandes() { FormCreate(p, {}); }

    // Opens a document through the Open command, answering No to any save question.
    void Ouvre(const std::string& nom) {
        banc.dialogues.Reponses.push_back(Reponse::Non);
        banc.dialogues.FichiersChoisis.push_back(nom);
        FileOpen1Execute(p);
        banc.dialogues.Reponses.clear();
    }

    BancProgramme banc;
    Programme& p = banc.programme;
    std::vector<MessageAffiche>& messages = banc.dialogues.Messages;
    std::vector<std::string>& questions = banc.dialogues.Questions;
};

TEST(QuestionEnregistrer, TextesEtNomAbregeA40Caracteres) {
    EXPECT_EQ(QuestionEnregistrer(""), "Voulez-vous enregistrer ce fichier?");
    const std::string nom36 = "/home/jo/miroirs/essai-numero-12.bdc";
    ASSERT_EQ(nom36.size(), 36u);
    EXPECT_EQ(QuestionEnregistrer(nom36), "Voulez-vous enregistrer :\r" + nom36 + " ?");
    const std::string nom40 = "/home/jo/miroirs/essais/miroir-de-20.bdc";
    ASSERT_EQ(nom40.size(), 40u);
    EXPECT_EQ(NomAbrege(nom40), "/home/jo/miroir ... miroir-de-20.bdc");
    EXPECT_EQ(QuestionEnregistrer(nom40),
              "Voulez-vous enregistrer :\r/home/jo/miroir ... miroir-de-20.bdc ?");
    // Characters, not bytes: an accented name is never cut inside a letter.
    const std::string accents = "/home/jo/Télescopes/Réglages/Série-é-é-é.bdc";
    EXPECT_EQ(NomAbrege(accents), "/home/jo/Télesc ... /Série-é-é-é.bdc");
}

TEST_F(Commandes, NouveauSurUnDocumentIntactNeDemandeRienEtRemetAZero) {
    p.Doc.Intitule = "Miroir";
    FileNew1Execute(p);
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(p.Doc.Intitule.empty());
    EXPECT_EQ(banc.fenetre.Titre, "Tarvo");
    EXPECT_EQ(p.Etat.PageCourante, "Caractéristiques");
}

TEST_F(Commandes, NouveauSurUnDocumentModifieAnnulerGardeTout) {
    p.Doc.Intitule = "Miroir";
    p.Doc.Modifie = true;
    p.Doc.NomFichier = "/home/jo/miroirs/essais/miroir-de-20.bdc";
    p.Etat.PageCourante = "Feuille";
    banc.dialogues.Reponses.push_back(Reponse::Annuler);
    FileNew1Execute(p);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Voulez-vous enregistrer :\r/home/jo/miroir ... miroir-de-20.bdc ?");
    EXPECT_EQ(p.Doc.Intitule, "Miroir");
    EXPECT_TRUE(p.Doc.Modifie);
    // The page set by the command is the one drawn.
    EXPECT_EQ(p.Etat.PageCourante, "Caractéristiques");
    EXPECT_EQ(banc.principale.TexteSaisie_, "Miroir");
}

TEST_F(Commandes, OuvrirRepondreNonPuisAnnulerLeDialogueLaisseUnDocumentVide) {
    p.Doc.Intitule = "Miroir";
    p.Doc.Modifie = true;
    banc.dialogues.Reponses.push_back(Reponse::Non);
    FileOpen1Execute(p);
    EXPECT_EQ(questions, std::vector<std::string>{"Voulez-vous enregistrer ce fichier?"});
    EXPECT_TRUE(p.Doc.Intitule.empty());
    EXPECT_FALSE(p.Doc.Modifie);
    EXPECT_EQ(banc.fenetre.Titre, "Tarvo");
    EXPECT_TRUE(p.Doc.NomFichier.empty());
}

TEST_F(Commandes, OuvrirUnDocumentLeMontreEtLeMetEnTeteDesRecents) {
    banc.fichiers.Contenus["/m/essai.bdc"] = DocumentDeSeries(2, "Newton 200");
    Ouvre("/m/essai.bdc");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(banc.fenetre.Titre, "Tarvo - essai.bdc");
    EXPECT_EQ(p.Doc.NomFichier, "/m/essai.bdc");
    EXPECT_EQ(p.Doc.NomPropose, "/m/essai.bdc");
    EXPECT_EQ(p.Doc.NombreSeries, 2);
    EXPECT_EQ(banc.fenetre.MenuLibelle[1], "&1 /m/essai.bdc");
    EXPECT_EQ(banc.principale.TexteSaisie_, "Newton 200");
    EXPECT_FALSE(p.Actions.Active(A::FileSave1));
}

TEST_F(Commandes, UnMauvaisFichierEstRefuseEtLeTitreRevientATarvo) {
    banc.fichiers.Contenus["/m/autre.txt"] = "Ceci n'est pas un miroir\r\n";
    Ouvre("/m/autre.txt");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Titre, "Tarvo - Ouvrir un fichier");
    EXPECT_EQ(messages[0].Texte, "Mauvais fichier");
    EXPECT_EQ(banc.dialogues.Bips, 1);
    EXPECT_EQ(banc.fenetre.Titre, "Tarvo");
    EXPECT_TRUE(p.Doc.NomFichier.empty());
    EXPECT_FALSE(banc.fenetre.MenuVisible[1]);
}

TEST_F(Commandes, UnRecentDisparuEstRetireDuMenu) {
    banc.fichiers.Contenus["/m/a.bdc"] = DocumentDeSeries(1, "A");
    banc.fichiers.Contenus["/m/b.bdc"] = DocumentDeSeries(1, "B");
    Ouvre("/m/b.bdc");
    Ouvre("/m/a.bdc");
    ASSERT_EQ(banc.fenetre.MenuLibelle[2], "&2 /m/b.bdc");
    banc.fichiers.Contenus.erase("/m/b.bdc");
    HistoriqueClick(p, 2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Texte, "Fichier introuvable");
    EXPECT_EQ(banc.fenetre.Titre, "Tarvo");
    EXPECT_EQ(p.Histo[1], "/m/a.bdc");
    EXPECT_EQ(p.Histo[2], "");
    EXPECT_FALSE(banc.fenetre.MenuVisible[2]);

    HistoriqueClick(p, 1);
    EXPECT_EQ(p.Doc.Intitule, "A");
    EXPECT_EQ(banc.fenetre.Titre, "Tarvo - a.bdc");
}

TEST_F(Commandes, UnRecentOuvertApresEnregistrementSousEstCeluiQuiAEteChoisi) {
    banc.fichiers.Contenus["/m/a.bdc"] = DocumentDeSeries(1, "A");
    banc.fichiers.Contenus["/m/b.bdc"] = DocumentDeSeries(1, "B");
    Ouvre("/m/b.bdc");
    Ouvre("/m/a.bdc");
    FileNew1Execute(p);
    p.Doc.Intitule = "Nouveau";
    p.Doc.Modifie = true;
    // Saved under a new name, the document goes first and entry 2 (b) moves down.
    banc.dialogues.Reponses.push_back(Reponse::Oui);
    banc.dialogues.FichiersChoisis.push_back("/m/nouveau");
    HistoriqueClick(p, 2);
    EXPECT_TRUE(banc.fichiers.Existe("/m/nouveau.bdc"));
    EXPECT_EQ(p.Doc.Intitule, "B");
    EXPECT_EQ(p.Histo[1], "/m/b.bdc");
    EXPECT_EQ(p.Histo[2], "/m/nouveau.bdc");
    EXPECT_EQ(p.Histo[3], "/m/a.bdc");
}

TEST_F(Commandes, UnEnregistrementRateNeVautPasAccordPourAbandonner) {
    banc.fichiers.Contenus["/m/a.bdc"] = DocumentDeSeries(1, "A");
    Ouvre("/m/a.bdc");
    p.Doc.Intitule = "A modifié";
    p.Doc.Modifie = true;
    banc.fichiers.EcritureEchoue.insert("/m/a.tmp");
    banc.dialogues.Reponses.push_back(Reponse::Oui);
    FileNew1Execute(p);
    EXPECT_FALSE(p.Doc.EnregistrementReussi);
    EXPECT_EQ(p.Doc.Intitule, "A modifié");
    EXPECT_TRUE(p.Doc.Modifie);
    EXPECT_EQ(p.Doc.NomFichier, "/m/a.bdc");
    EXPECT_EQ(banc.fichiers.Contenus["/m/a.bdc"], DocumentDeSeries(1, "A"));

    // Unnamed, the Save As dialog cancelled: Open stops as well.
    FileNew1Execute(p); // answered Cancel: no reply queued
    p.Doc.NomFichier.clear();
    banc.dialogues.Reponses.push_back(Reponse::Oui);
    FileOpen1Execute(p);
    EXPECT_EQ(p.Doc.Intitule, "A modifié");
    EXPECT_EQ(banc.dialogues.NomsProposes.size(), 1u);
}

TEST_F(Commandes, EnregistrerEcritLeDocumentEtGardeLaCopieDeSecours) {
    banc.fichiers.Contenus["/m/a.bdc"] = DocumentDeSeries(2, "A");
    Ouvre("/m/a.bdc");
    FileSave1Execute(p); // unchanged: nothing is written
    EXPECT_FALSE(banc.fichiers.Existe("/m/a.bak"));

    p.Doc.Intitule = "A poli";
    p.Doc.Modifie = true;
    AffichePage(p);
    EXPECT_TRUE(p.Actions.Active(A::FileSave1));
    ExecuteAction(p, A::FileSave1);
    EXPECT_TRUE(p.Doc.EnregistrementReussi);
    EXPECT_FALSE(p.Doc.Modifie);
    EXPECT_FALSE(p.Actions.Active(A::FileSave1));
    EXPECT_EQ(banc.fichiers.Contenus["/m/a.bak"], DocumentDeSeries(2, "A"));
    EXPECT_NE(banc.fichiers.Contenus["/m/a.bdc"].find("\"A poli\""), std::string::npos);
}

// A mirror's hole of 1 mm or less is no hole when the file is read: the series in memory
// loses its hole as the saved file does, whether the small hole was typed or a smaller
// diameter cut the mirror's hole down while the series kept its own.
TEST_F(Commandes, EnregistreUnTrouDe1mmOuMoinsEstCeQueLeFichierRelit) {
    banc.fichiers.Contenus["/m/a.bdc"] = DocumentDeSeries(2, "A");
    Ouvre("/m/a.bdc");
    for (const auto& [trou, trouSerie] : {std::pair{0.5, 0.5}, {1.0, 70.0}}) {
        p.Doc.TrouCentral = trou;
        p.Doc.TrouCentralSerie = trouSerie;
        p.Doc.Modifie = true;
        AffichePage(p);
        ExecuteAction(p, A::FileSave1);
        ASSERT_TRUE(p.Doc.EnregistrementReussi);
        Document relu;
        relu.NomFichier = "/m/a.bdc";
        LireDocument(relu, banc.fichiers, banc.dialogues);
        EXPECT_EQ(relu.TrouCentral, trou);
        EXPECT_EQ(relu.TrouCentralSerie, 0);
        EXPECT_EQ(p.Doc.TrouCentralSerie, relu.TrouCentralSerie) << trouSerie;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(Commandes, UneAncienneSerieConsulteeNEcrasePasLaDerniere) {
    banc.fichiers.Contenus["/m/a.bdc"] = DocumentDeSeries(3, "A");
    Ouvre("/m/a.bdc");
    auto consulteSerie2 = [&] {
        p.Doc.SerieDemandee = 2;
        LireDocument(p.Doc, banc.fichiers, banc.dialogues);
        ASSERT_EQ(p.Doc.SerieCourante, 2);
        ASSERT_EQ(p.Doc.NombreSeries, 3);
    };
    // The focal length of series 2 changed on the report: never saved, so not asked.
    consulteSerie2();
    p.Doc.FocaleSerie = 1210;
    p.Doc.ModifieBulletin = true;
    EXPECT_EQ(DemandeEnregistrer(p), Reponse::Non);
    EXPECT_TRUE(questions.empty());

    // The mirror's name changed while series 2 is shown: the save keeps series 3 last.
    consulteSerie2();
    p.Doc.Intitule = "A poli";
    p.Doc.Modifie = true;
    AffichePage(p);
    ExecuteAction(p, A::FileSave1);
    EXPECT_TRUE(p.Doc.EnregistrementReussi);
    EXPECT_EQ(banc.fichiers.Contenus["/m/a.bdc"],
              EncodeTexteFichier(DocumentDeSeries(3, "A poli")));
    EXPECT_EQ(p.Doc.SerieCourante, 3);
    EXPECT_EQ(p.Doc.Commentaire, "Série 3");

    // The file gone meanwhile: nothing is saved, the change stays.
    consulteSerie2();
    p.Doc.Intitule = "A repoli";
    p.Doc.Modifie = true;
    banc.fichiers.Contenus.erase("/m/a.bdc");
    FileSave1Execute(p);
    EXPECT_FALSE(p.Doc.EnregistrementReussi);
    EXPECT_TRUE(p.Doc.Modifie);
    EXPECT_EQ(p.Doc.Intitule, "A repoli");
    EXPECT_EQ(p.Doc.SerieCourante, 2);
    EXPECT_FALSE(banc.fichiers.Existe("/m/a.bdc"));
}

TEST_F(Commandes, QuitterAvecDesModificationsOuiPuisAnnulerResteOuvert) {
    p.Doc.Modifie = true;
    banc.dialogues.Reponses.push_back(Reponse::Oui);
    EXPECT_FALSE(FileExit1Execute(p));
    EXPECT_EQ(banc.dialogues.NomsProposes.size(), 1u);
    EXPECT_TRUE(p.Doc.Modifie);
    EXPECT_FALSE(p.Etat.Fermeture);
    EXPECT_FALSE(banc.principale.Termine_);
    EXPECT_FALSE(banc.fichiers.Existe("/config/Tarvo.ini"));

    banc.dialogues.Reponses.push_back(Reponse::Annuler);
    EXPECT_FALSE(FormCloseQuery(p));
    EXPECT_FALSE(p.Etat.Fermeture);
}

TEST_F(Commandes, QuitterEcritLesParametresEtTermine) {
    banc.fichiers.Contenus["/m/a.bdc"] = DocumentDeSeries(1, "A");
    Ouvre("/m/a.bdc");
    p.Doc.Modifie = true;
    banc.dialogues.Reponses.push_back(Reponse::Non);
    EXPECT_TRUE(FormCloseQuery(p));
    EXPECT_TRUE(p.Etat.Fermeture);
    EXPECT_FALSE(p.Doc.Modifie);
    EXPECT_TRUE(banc.principale.Termine_);
    EXPECT_FALSE(banc.principale.SaisieEtNoteActives);
    EXPECT_EQ(banc.principale.FermeturesAide, 1);
    const std::string ini = banc.fichiers.Contenus["/config/Tarvo.ini"];
    EXPECT_EQ(ini.rfind("[Tarvo 2.5.3]\r\n0\r\n600\r\n", 0), 0u) << ini;
    EXPECT_NE(ini.find("\r\n\r\n/m/a.bdc\r\n"), std::string::npos) << ini;
    // Resizing while closing no longer touches the viewport.
    const int hauteur = p.Etat.HauteurUtile;
    banc.surface.ClientHauteur = 300;
    p.vue.FormResize();
    EXPECT_EQ(p.Etat.HauteurUtile, hauteur);
}

TEST_F(Commandes, ImprimerDemandeLImprimanteUneFoisSeulement) {
    ExecuteAction(p, A::Imprimer1);
    EXPECT_EQ(banc.surface.DialoguesImpression, 1);
    EXPECT_FALSE(p.Etat.ModeImpression);
    AffichePage(p);
    EXPECT_EQ(banc.surface.DialoguesImpression, 1);

    banc.surface.ImpressionAcceptee = true;
    ExecuteAction(p, A::Imprimer1);
    EXPECT_EQ(banc.surface.Impressions, 1);
    ASSERT_TRUE(banc.surface.Papier);
    EXPECT_NE(banc.surface.Papier->Texte("Caractéristiques du miroir parabolique"), nullptr);
}

TEST_F(Commandes, LesCommandesDesPagesEtDeLAideFontLeurTravail) {
    p.Doc.Diametre = 200;
    p.Doc.Focale = 1200;
    AffichePage(p);
    ExecuteAction(p, A::Feuille_Travail);
    EXPECT_EQ(p.Etat.PageCourante, "Feuille");

    ExecuteAction(p, A::Apropos);
    EXPECT_EQ(banc.principale.APropos, 1);
    ExecuteAction(p, A::Aide);
    AideContextuelle(p, 3400);
    EXPECT_EQ(
        banc.principale.PagesAide,
        (std::vector<std::string>{"/opt/tarvo/help/index.html", "/opt/tarvo/help/bulletin.html"}));
    banc.surface.Controles[Controle::Saisie].Visible = false;
    ExecuteAction(p, A::EditeCaracteristiques1);
    EXPECT_TRUE(banc.surface.Controles[Controle::Saisie].Visible);
    EXPECT_TRUE(banc.principale.FocusSaisie);
}

} // namespace
} // namespace tarvo::test
