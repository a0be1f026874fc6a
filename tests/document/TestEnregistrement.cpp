#include "Fabrique.h"

#include "document/Ecrivain.h"
#include "document/Enregistrement.h"
#include "document/Lecteur.h"
#include "platform/Services.h"
#include "support/FenetreFactice.h"
#include "support/SystemeFixe.h"

#include <gtest/gtest.h>

namespace tarvo::test {
namespace {

class Enregistrement : public ::testing::Test {
protected:
    // Opens name as the Open command does, with this fixture's dialogs.
    void OuvreDocument(const std::string& nom) {
        InitialiseDocument(doc, 46365);
        doc.NomFichier = nom;
        doc.NomPropose = nom;
        LireDocument(doc, fichiers, dialogues);
        doc.NombreSeries = doc.SerieCourante;
    }
    // Reads back series `serie` (-1: the last) of a saved file.
    Document Relit(const std::string& nom, int serie = -1) {
        Lu lu;
        Ouvre(lu, fichiers, nom, serie);
        EXPECT_TRUE(lu.dialogues.Messages.empty()) << lu.dialogues.Messages[0].Texte;
        return lu.doc;
    }
    void Enregistre() { EnregistreDocument(doc, services, historique); }
    void EnregistreSousNom(const std::string& nom) {
        dialogues.FichiersChoisis.push_back(nom);
        EnregistreSous(doc, services, historique);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> textes;
        for (const auto& m : dialogues.Messages) textes.push_back(m.Texte);
        return textes;
    }

    FichiersMemoire fichiers;
    DialoguesEnregistres dialogues;
    SystemeFixe systeme;
    FenetreFactice fenetre;
    Services services{fichiers, dialogues, systeme, fenetre};
    Historique historique;
    Document doc;
};

std::vector<SerieTest> TroisSeries() {
    std::vector<SerieTest> series(3);
    series[0].Date = "46001";
    series[0].Commentaire = {"\"Première\""};
    series[1].Date = "46002";
    series[1].Lecture1 = {"1,3", "1,6"};
    series[1].Commentaire = {"\"Deux", "lignes\""};
    series[2].Date = "46003";
    series[2].Lecture1 = {"1,31", "1,66"};
    return series;
}

TEST_F(Enregistrement, EnregistrerGardeLAncienFichierEnSecours) {
    const std::string ancien = Joint(FichierVersion2(TroisSeries()));
    fichiers.Contenus["essai.bdc"] = ancien;
    fichiers.Contenus["essai.bak"] = "vieux secours";
    OuvreDocument("essai.bdc");
    doc.Lectures[1][1][1] = 1.4;
    doc.Commentaire = "Corrigé";
    doc.Modifie = true;
    Enregistre();
    EXPECT_TRUE(doc.EnregistrementReussi);
    EXPECT_FALSE(doc.Modifie);
    EXPECT_EQ(fichiers.Contenus["essai.bak"], ancien);
    EXPECT_EQ(fichiers.Contenus.count("essai.tmp"), 0u);
    EXPECT_EQ(historique[1], "essai.bdc");
    EXPECT_EQ(fenetre.MenuLibelle[1], "&1 essai.bdc");

    // The older series are copied through unchanged, the one in memory written last.
    const Document relu = Relit("essai.bdc");
    EXPECT_EQ(relu.NombreSeries, 3);
    EXPECT_EQ(relu.Lectures[1][1][1], 1.4);
    EXPECT_EQ(relu.Commentaire, "Corrigé");
    EXPECT_EQ(Relit("essai.bdc", 2).Note, "Deux\r\nlignes");
    EXPECT_EQ(Relit("essai.bdc", 1).Lectures[1][1][1], 1.235);
}

TEST_F(Enregistrement, UneNouvelleSerieEstAjoutee) {
    fichiers.Contenus["m.bdc"] = Joint(FichierVersion2(TroisSeries()));
    OuvreDocument("m.bdc");
    ++doc.NombreSeries;
    doc.SerieCourante = doc.NombreSeries;
    doc.DateSerie = 46365;
    doc.Lectures[1][1][1] = 2.5;
    doc.Commentaire = "Quatrième";
    Enregistre();
    const Document relu = Relit("m.bdc");
    EXPECT_EQ(relu.SerieCourante, 4);
    EXPECT_EQ(relu.DateSerie, 46365);
    EXPECT_EQ(relu.Lectures[1][1][1], 2.5);
    EXPECT_EQ(Relit("m.bdc", 3).Lectures[1][1][1], 1.31);
}

TEST_F(Enregistrement, UnFichierVersion1DevientVersion2) {
    std::vector<std::string> l = {"Tarvo 1.3", "\"Ancien\"", "\"150\"", "\"1200\"", "\"20\"",
                                  "\"-1\"", "\"2\"", "\"40\"", "\"75\""};
    for (const char* date : {"\"38000\"", "\"38010\""})
        for (int r = -1; r < 60; ++r) l.push_back(r < 0 ? date : r == 1 ? "\"0,5\"" : "\"0\"");
    fichiers.Contenus["v1.bdc"] = Joint(l);
    OuvreDocument("v1.bdc");
    doc.DiametreSerie = 148;
    doc.TrouCentralSerie = 0;
    Enregistre();
    ASSERT_TRUE(doc.EnregistrementReussi);
    EXPECT_EQ(fichiers.Contenus["v1.bdc"].substr(0, 13), "tarvo 2.5.3\r\n");
    // Every older series takes the diameter of the series in memory, and an empty comment.
    const Document premiere = Relit("v1.bdc", 1);
    EXPECT_EQ(premiere.SerieCourante, 1);
    EXPECT_EQ(premiere.DateSerie, 38000);
    EXPECT_EQ(premiere.DiametreSerie, 148);
    EXPECT_EQ(premiere.Lectures[1][1][1], 0.5);
    EXPECT_EQ(premiere.Note, "");
    EXPECT_EQ(Relit("v1.bdc").SerieCourante, 2);
}

std::string FichierPredecesseur() {
    std::vector<std::string> l = {"KESTRAN 3", "\"250\"", "\"1500\"", "\"30\"", "\"Claude\"",
                                  "\"-1\"", "\"14/03/1998\"", "\"2\"", "\"60\"", "\"125\""};
    for (int r = 0; r < 20; ++r) {
        l.push_back(r == 0 ? "\"1,25\"" : "\"0\"");
        l.push_back(r == 0 ? "\"3,5\"" : "\"0\"");
        l.push_back(r == 0 ? "\"1\"" : "\"0\"");
    }
    return Joint(l);
}

TEST_F(Enregistrement, UnFichierDuPredecesseurGardeSaSerie) {
    fichiers.Contenus["k.bdc"] = FichierPredecesseur();
    OuvreDocument("k.bdc");
    Enregistre();
    ASSERT_TRUE(doc.EnregistrementReussi);
    Document relu = Relit("k.bdc");
    EXPECT_EQ(relu.SerieCourante, 1);
    EXPECT_EQ(relu.DateSerie, 35868);
    EXPECT_EQ(relu.Lectures[2][1][1], 3.5);

    // A new series on a predecessor document: both series are saved.
    fichiers.Contenus["k2.bdc"] = FichierPredecesseur();
    OuvreDocument("k2.bdc");
    doc.NombreSeries = 2;
    doc.SerieCourante = 2;
    doc.Lectures = {};
    doc.Lectures[0][1][2] = 1;
    doc.Lectures[1][1][2] = 1.1;
    doc.Lectures[2][1][2] = 3.3;
    doc.DateSerie = 46365;
    Enregistre();
    ASSERT_TRUE(doc.EnregistrementReussi);
    relu = Relit("k2.bdc");
    EXPECT_EQ(relu.SerieCourante, 2);
    EXPECT_EQ(relu.Lectures[2][1][2], 3.3);
    const Document premiere = Relit("k2.bdc", 1);
    EXPECT_EQ(premiere.DateSerie, 35868);
    EXPECT_EQ(premiere.Lectures[2][1][1], 3.5);
    EXPECT_EQ(premiere.DiametreSerie, 250);
}

TEST_F(Enregistrement, EnregistrerSous) {
    fichiers.Contenus["m.bdc"] = Joint(FichierVersion2(TroisSeries()));
    const std::string original = fichiers.Contenus["m.bdc"];
    OuvreDocument("m.bdc");
    doc.Modifie = true;
    EnregistreSousNom("copie");
    ASSERT_TRUE(doc.EnregistrementReussi);
    EXPECT_EQ(dialogues.NomsProposes.back(), "m");
    EXPECT_EQ(doc.NomFichier, "copie.bdc");
    EXPECT_EQ(fenetre.Titre, "Tarvo - copie.bdc");
    EXPECT_EQ(fichiers.Contenus["m.bdc"], original);
    EXPECT_EQ(Relit("copie.bdc").NombreSeries, 3);
    // Later saves go to the new name.
    doc.Lectures[1][1][1] = 7;
    Enregistre();
    EXPECT_EQ(Relit("copie.bdc").Lectures[1][1][1], 7);
    EXPECT_EQ(fichiers.Contenus["m.bdc"], original);

    // An existing name: No brings the dialog back, and a new name is taken without question.
    dialogues.Reponses.push_back(Reponse::Non);
    dialogues.FichiersChoisis.push_back("m.bak");
    EnregistreSousNom("autre");
    EXPECT_TRUE(doc.EnregistrementReussi);
    EXPECT_EQ(dialogues.Questions, std::vector<std::string>{"Ce fichier existe déjà, voulez-vous l'écraser?"});
    EXPECT_EQ(doc.NomFichier, "autre.bdc");

    // Cancel writes nothing.
    const auto avant = fichiers.Contenus;
    dialogues.Reponses.push_back(Reponse::Annuler);
    EnregistreSousNom("m");
    EXPECT_FALSE(doc.EnregistrementReussi);
    EXPECT_EQ(fichiers.Contenus, avant);
    // So does a cancelled dialog.
    EnregistreSous(doc, services, historique);
    EXPECT_FALSE(doc.EnregistrementReussi);

    // Yes replaces the file and keeps its previous content as the backup.
    dialogues.Reponses.push_back(Reponse::Oui);
    EnregistreSousNom("m.bdc");
    EXPECT_TRUE(doc.EnregistrementReussi);
    EXPECT_EQ(fichiers.Contenus["m.bak"], original);
}

TEST_F(Enregistrement, UnNouveauDocumentSansFichier) {
    InitialiseDocument(doc, 46365);
    doc.Intitule = "Neuf";
    doc.Diametre = doc.DiametreSerie = 200;
    doc.Focale = doc.FocaleSerie = 1000;
    doc.Commentaire = "\r";
    EnregistreSousNom("neuf");
    ASSERT_TRUE(doc.EnregistrementReussi);
    const Document relu = Relit("neuf.bdc");
    EXPECT_EQ(relu.Intitule, "Neuf");
    EXPECT_EQ(relu.SerieCourante, 1);
    EXPECT_EQ(relu.Commentaire, "");
    EXPECT_EQ(fichiers.Contenus.count("neuf.bak"), 0u);
}

// Whatever step fails, the previous content survives in the document file or its backup, no
// temporary file is left, and the save is not reported as a success.
TEST_F(Enregistrement, AucunEchecNePerdLeDocument) {
    const std::string ancien = Joint(FichierVersion2(TroisSeries()));
    enum Panne { LectureSource, EcritureTemporaire, SuppressionSecours, RenommageDocument,
                 RenommageTemporaire };
    for (const Panne panne : {LectureSource, EcritureTemporaire, SuppressionSecours,
                              RenommageDocument, RenommageTemporaire}) {
        fichiers = FichiersMemoire();
        dialogues = DialoguesEnregistres();
        fichiers.Contenus["m.bdc"] = ancien;
        fichiers.Contenus["m.bak"] = "secours";
        OuvreDocument("m.bdc");
        doc.Lectures[1][1][1] = 9;
        doc.Modifie = true;
        switch (panne) {
        case LectureSource: fichiers.LectureEchoue.insert("m.bdc"); break;
        case EcritureTemporaire: fichiers.EcritureEchoue.insert("m.tmp"); break;
        case SuppressionSecours: fichiers.SuppressionEchoue.insert("m.bak"); break;
        case RenommageDocument: fichiers.RenommageEchoue.insert("m.bdc"); break;
        case RenommageTemporaire: fichiers.RenommageEchoue.insert("m.tmp"); break;
        }
        Enregistre();
        EXPECT_FALSE(doc.EnregistrementReussi) << panne;
        EXPECT_TRUE(doc.Modifie) << panne;
        EXPECT_EQ(fichiers.Contenus["m.bdc"], ancien) << panne;
        EXPECT_EQ(fichiers.Contenus.count("m.tmp"), 0u) << panne;
        EXPECT_EQ(dialogues.Messages.size(), 1u) << panne;
        EXPECT_TRUE(historique[1].empty()) << panne;
    }
    EXPECT_EQ(Messages(), std::vector<std::string>{"Le fichier m.bdc n'a pas pu être enregistré."});
}

TEST_F(Enregistrement, UnNombreRefuseALaLectureEmpecheLEnregistrement) {
    auto lignes = FichierVersion2(TroisSeries());
    lignes[21] = "\"1,2,3\"";
    fichiers.Contenus["m.bdc"] = Joint(lignes);
    const std::string ancien = fichiers.Contenus["m.bdc"];
    OuvreDocument("m.bdc");
    ASSERT_TRUE(doc.NombreIncorrect);
    dialogues.Messages.clear();
    Enregistre();
    EXPECT_FALSE(doc.EnregistrementReussi);
    EXPECT_EQ(fichiers.Contenus["m.bdc"], ancien);
    ASSERT_EQ(dialogues.Messages.size(), 1u);
    EXPECT_EQ(dialogues.Messages[0].Titre, "Tarvo - Lecture d'un fichier");
    EXPECT_EQ(dialogues.Messages[0].Texte, "Erreur de lecture d'un fichier");
}

TEST_F(Enregistrement, UneSourceInconnueNEstPasRemplacee) {
    fichiers.Contenus["m.bdc"] = "Autre chose\r\n1\r\n";
    InitialiseDocument(doc, 46365);
    doc.NomFichier = "m.bdc";
    Enregistre();
    EXPECT_FALSE(doc.EnregistrementReussi);
    EXPECT_FALSE(doc.FichierOuvert);
    EXPECT_EQ(fichiers.Contenus["m.bdc"], "Autre chose\r\n1\r\n");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Mauvais fichier"});
}

TEST_F(Enregistrement, LesSeriesNeSontJamaisRecopieesAvecUnAutreNombreDeZones) {
    fichiers.Contenus["m.bdc"] = Joint(FichierVersion2(TroisSeries()));
    const std::string ancien = fichiers.Contenus["m.bdc"];
    OuvreDocument("m.bdc");
    doc.NombreZones = 3;
    doc.Zones[3][RayonExterieur] = 100;
    Enregistre();
    EXPECT_FALSE(doc.EnregistrementReussi);
    EXPECT_EQ(fichiers.Contenus["m.bdc"], ancien);
    ASSERT_EQ(dialogues.Messages.size(), 1u);
    EXPECT_EQ(dialogues.Messages[0].Texte,
              "Le nombre de zones du fichier (2) n'est plus celui du miroir (3) : les séries "
              "précédentes ne peuvent pas être recopiées. Le fichier n'a pas été enregistré.");

    // With a single series nothing is copied: the new count is saved.
    fichiers.Contenus["un.bdc"] = Joint(FichierVersion2({SerieTest()}));
    OuvreDocument("un.bdc");
    doc.NombreZones = 3;
    Enregistre();
    EXPECT_TRUE(doc.EnregistrementReussi);
    EXPECT_EQ(Relit("un.bdc").NombreZones, 3);
}

TEST_F(Enregistrement, EnConsultationLaDerniereSerieNEstPasRemplacee) {
    fichiers.Contenus["m.bdc"] = Joint(FichierVersion2(TroisSeries()));
    OuvreDocument("m.bdc");
    doc.SerieDemandee = 1;
    LireDocument(doc, fichiers, dialogues);
    ASSERT_EQ(doc.SerieCourante, 1);
    doc.Intitule = "Renommé";
    Enregistre();
    ASSERT_TRUE(doc.EnregistrementReussi);
    const Document relu = Relit("m.bdc");
    EXPECT_EQ(relu.Intitule, "Renommé");
    EXPECT_EQ(relu.SerieCourante, 3);
    EXPECT_EQ(relu.DateSerie, 46003);
    EXPECT_EQ(relu.Lectures[1][1][1], 1.31);
}

TEST_F(Enregistrement, UnCommentaireNeCassePasLaStructureDuFichier) {
    fichiers.Contenus["m.bdc"] = Joint(FichierVersion2(TroisSeries()));
    OuvreDocument("m.bdc");
    ++doc.NombreSeries;
    doc.SerieCourante = doc.NombreSeries;
    doc.Commentaire = "\r\nune ligne qui finit par \"\r\nligne \"-\"\r\nfin\r\n";
    Enregistre();
    ++doc.NombreSeries;
    doc.SerieCourante = doc.NombreSeries;
    doc.Commentaire = "suivante";
    Enregistre();
    const Document relu = Relit("m.bdc");
    EXPECT_EQ(relu.SerieCourante, 5);
    EXPECT_EQ(relu.Commentaire, "suivante");
    EXPECT_EQ(Relit("m.bdc", 4).Note, "une ligne qui finit par \" \r\nligne \"-\" \r\nfin");
}

TEST_F(Enregistrement, UnNombreMinusculeRestelisible) {
    fichiers.Contenus["m.bdc"] = Joint(FichierVersion2({SerieTest()}));
    OuvreDocument("m.bdc");
    doc.CoefDeformation = 0.00005;
    Enregistre();
    EXPECT_EQ(Relit("m.bdc").CoefDeformation, 0.00005);
}

TEST(NomsDeFichier, ExtensionsEtNomCourt) {
    EXPECT_EQ(ForceExtension("essai"), "essai.bdc");
    EXPECT_EQ(ForceExtension("essai.bak"), "essai.bdc");
    EXPECT_EQ(ForceExtension("essai.tmp"), "essai.bdc");
    EXPECT_EQ(ForceExtension("essai.txt"), "essai.txt.bdc");
    EXPECT_EQ(ForceExtension("essai.BDC"), "essai.BDC.bdc");
    EXPECT_EQ(ForceExtension(".bdc"), ".bdc");
    EXPECT_EQ(NomCourt("/home/moi/miroirs/essai.bdc"), "essai.bdc");
    EXPECT_EQ(NomCourt("C:\\Mes miroirs\\essai.bdc "), "essai.bdc ");
    EXPECT_EQ(NomCourt("essai.bdc"), "essai.bdc");
    EXPECT_EQ(NomTemporaire("/d/miroir.bdc", "/d/miroir.bdc"), "/d/miroir.tmp");
    // The temporary file is never the document itself, nor written outside its folder.
    EXPECT_EQ(NomTemporaire("/d/x.bdc", "/d/x.tmp"), "/d/x.bdc.tmp");
    EXPECT_EQ(NomTemporaire("/d/abc", "/d/abc"), "/d/abc.tmp");
}

} // namespace
} // namespace tarvo::test
