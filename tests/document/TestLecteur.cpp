#include "Fabrique.h"

#include "document/Lecteur.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tarvo::test {
namespace {

class Lecteur : public ::testing::Test {
protected:
    void Fichier(const std::vector<std::string>& lignes) { fichiers.Contenus["m.bdc"] = Joint(lignes); }
    void Lit(int serie = -1) { Ouvre(lu, fichiers, "m.bdc", serie); }
    const std::vector<MessageAffiche>& Messages() const { return lu.dialogues.Messages; }

    FichiersMemoire fichiers;
    Lu lu;
};

SerieTest Serie(const std::string& date, const std::string& lecture, const std::string& comm) {
    SerieTest s;
    s.Date = date;
    s.Lecture1 = {lecture, "2"};
    s.Commentaire = {comm};
    return s;
}

TEST_F(Lecteur, LitJusquALaSerieDemandee) {
    Fichier(FichierVersion2({Serie("46001", "1,1", "\"un\""), Serie("46002", "1,2", "\"deux\""),
                             Serie("46003", "1,3", "\"trois\"")}));
    Lit();
    EXPECT_TRUE(lu.doc.FichierOuvert);
    EXPECT_EQ(lu.doc.SerieCourante, 3);
    EXPECT_EQ(lu.doc.NombreSeries, 3);
    EXPECT_EQ(lu.doc.DateSerie, 46003);
    EXPECT_EQ(lu.doc.Lectures[1][1][1], 1.3);
    EXPECT_EQ(lu.doc.Commentaire, "trois");
    EXPECT_EQ(lu.doc.Lectures[1][11][1], 1.3);
    EXPECT_EQ(lu.doc.DiametresValides, 1);

    Lit(2);
    EXPECT_EQ(lu.doc.SerieCourante, 2);
    EXPECT_EQ(lu.doc.NombreSeries, 3);
    EXPECT_EQ(lu.doc.DateSerie, 46002);
    EXPECT_EQ(lu.doc.Note, "deux");
    // The comment of the last series is kept while an older one is shown.
    EXPECT_EQ(lu.doc.Commentaire, "trois");
    // Beyond the last series, the last one is read again.
    Lit(7);
    EXPECT_EQ(lu.doc.SerieCourante, 3);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Lecteur, TrouCentralSelonLaVersion) {
    SerieTest s;
    s.Trou = "40";
    Fichier(FichierVersion2({s}, "tarvo 2.5.3", "30"));
    Lit();
    EXPECT_EQ(lu.doc.TrouCentral, 30);
    EXPECT_EQ(lu.doc.TrouCentralSerie, 40);

    // A mirror hole of 1 mm or less: the series line is consumed but not taken.
    Fichier(FichierVersion2({s}, "tarvo 2.5.3", "1"));
    Lit();
    EXPECT_EQ(lu.doc.TrouCentral, 1);
    EXPECT_EQ(lu.doc.TrouCentralSerie, 0);
    EXPECT_EQ(lu.doc.Lectures[1][1][1], 1.235);

    // Version 2.0 has no hole lines at all.
    Fichier(FichierVersion2({s}, "tarvo 2.0"));
    Lit();
    EXPECT_EQ(lu.doc.TrouCentral, 0);
    EXPECT_EQ(lu.doc.TrouCentralSerie, 0);
    EXPECT_EQ(lu.doc.Lectures[2][1][1], 1.452);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Lecteur, LesCommentairesRelusTelsQuIlsEtaientEcrits) {
    Fichier(FichierVersion2({Serie("46001", "1", "\"Première série\""),
                             [] {
                                 SerieTest s;
                                 s.Commentaire = {"\"Ligne un", "ligne deux\""};
                                 return s;
                             }(),
                             [] {
                                 SerieTest s;
                                 s.Commentaire = {"\"a", "", "b", "c\""};
                                 return s;
                             }(),
                             Serie("46004", "1", "\"\"")}));
    Lit(1);
    EXPECT_EQ(lu.doc.Note, "Première série");
    Lit(2);
    EXPECT_EQ(lu.doc.Note, "Ligne un\r\nligne deux");
    // A blank line inside a comment is kept.
    Lit(3);
    EXPECT_EQ(lu.doc.Note, "a\r\n\r\nb\r\nc");
    Lit(4);
    EXPECT_EQ(lu.doc.Note, "");
    EXPECT_EQ(lu.doc.SerieCourante, 4);
}

TEST_F(Lecteur, UnDateZeroTermineLaListe) {
    auto lignes = FichierVersion2({Serie("46001", "1,1", "\"un\""), Serie("46002", "1,2", "\"deux\"")});
    lignes.push_back("\"0\"");
    lignes.push_back("n'importe quoi");
    Fichier(lignes);
    Lit();
    EXPECT_EQ(lu.doc.SerieCourante, 2);
    EXPECT_EQ(lu.doc.NombreSeries, 2);
    EXPECT_EQ(lu.doc.DateSerie, 46002);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Lecteur, PointOuVirguleDonnentLaMemeValeur) {
    SerieTest s;
    s.Lecture1 = {"1,5", "1.5"};
    Fichier(FichierVersion2({s}));
    Lit();
    EXPECT_EQ(lu.doc.Lectures[1][1][1], lu.doc.Lectures[2][1][1]);
}

TEST_F(Lecteur, UnNombreRefuseArreteLaLecture) {
    SerieTest s;
    s.Lecture1 = {"5E-5", "1,5"};
    Fichier(FichierVersion2({s, Serie("46009", "2", "\"\"")}));
    Lit();
    EXPECT_TRUE(lu.doc.NombreIncorrect);
    EXPECT_EQ(lu.doc.MotifErreur, "5E-5");
    EXPECT_EQ(lu.doc.SerieCourante, 1);
    EXPECT_EQ(lu.doc.Focale, 1200);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].Titre, "");
    EXPECT_EQ(Messages()[0].Texte, "Erreur de lecture d'un fichier ( 5E-5 )");
    EXPECT_GE(lu.dialogues.Bips, 1);
}

TEST_F(Lecteur, FichierVideOuPremiereLigneCourte) {
    fichiers.Contenus["m.bdc"] = "";
    Lit();
    EXPECT_TRUE(lu.doc.FichierOuvert);
    EXPECT_EQ(lu.doc.SerieCourante, 0);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(lu.dialogues.Bips, 0);

    Fichier({"tarvo 2", "\"Essai\"", "\"200\""});
    Lit();
    EXPECT_TRUE(lu.doc.FichierOuvert);
    EXPECT_EQ(lu.doc.Diametre, 0);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Lecteur, SignatureInconnueEtFichierIntrouvable) {
    Fichier({"Autre programme", "\"200\""});
    Lit();
    EXPECT_FALSE(lu.doc.FichierOuvert);
    EXPECT_EQ(lu.doc.SerieCourante, 0);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].Titre, "Tarvo - Ouvrir un fichier");
    EXPECT_EQ(Messages()[0].Texte, "Mauvais fichier");
    EXPECT_EQ(lu.dialogues.Bips, 1);

    Lu absent;
    Ouvre(absent, fichiers, "absent.bdc");
    EXPECT_FALSE(absent.doc.FichierOuvert);
    ASSERT_EQ(absent.dialogues.Messages.size(), 1u);
    EXPECT_EQ(absent.dialogues.Messages[0].Titre, "Tarvo - Lecture d'un fichier");
    EXPECT_EQ(absent.dialogues.Messages[0].Texte, "Fichier introuvable");
}

TEST_F(Lecteur, LigneDeDateVideFichierCorrompu) {
    auto lignes = FichierVersion2({Serie("46001", "1,1", "\"un\""), Serie("46002", "1,2", "\"deux\"")});
    lignes.push_back("");
    lignes.push_back("\"3\"");
    Fichier(lignes);
    Lit();
    EXPECT_EQ(lu.doc.SerieCourante, 2);
    EXPECT_EQ(lu.doc.DateSerie, 46002);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].Texte, "Erreur de lecture d'un fichier ( Fichier corrompu )");
}

TEST_F(Lecteur, FichierTronque) {
    auto lignes = FichierVersion2({Serie("46001", "1,1", "\"un\"")});
    lignes.resize(20);
    Fichier(lignes);
    Lit();
    EXPECT_TRUE(lu.doc.FichierOuvert);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].Texte, "Erreur de lecture d'un fichier (  )");
    // Past the end the values take the last line read again.
    EXPECT_EQ(lu.doc.Lectures[1][10][1], lu.doc.Lectures[1][4][1]);
}

TEST_F(Lecteur, UnNombreDeZonesTropGrandEstRefuse) {
    Fichier({"tarvo 2.5.3", "\"X\"", "\"200\"", "\"1200\"", "\"25\"", "\"-1\"", "\"0\"", "\"11\"",
             "\"10\"", "\"20\""});
    Lit();
    EXPECT_TRUE(lu.doc.EntierIncorrect);
    EXPECT_EQ(lu.doc.NombreZones, 3);
    EXPECT_EQ(lu.doc.Zones[1][RayonExterieur], 0);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].Texte, "Erreur de lecture d'un fichier ( Fichier corrompu )");
}

TEST_F(Lecteur, UnDernierEntierRefuseFaitEchouerLOuverture) {
    auto lignes = FichierVersion2({Serie("46001", "1,1", "\"un\"")});
    // The flag of line 10 of diameter 2 is the last integer of the file.
    lignes[lignes.size() - 5] = "\"1,0\"";
    Fichier(lignes);
    Lit();
    EXPECT_TRUE(lu.doc.FichierOuvert);
    EXPECT_TRUE(lu.doc.EntierIncorrect);
    EXPECT_EQ(lu.doc.Lectures[0][10][2], 0);
}

TEST_F(Lecteur, Version1) {
    std::vector<std::string> l = {"Tarvo 1.3", "\"Ancien\"", "\"150\"", "\"1200\"", "\"20\"", "\"-1\"",
                                  "\"2\"", "\"40\"", "\"75\""};
    for (const char* date : {"\"38000\"", "\"38010\""}) {
        l.push_back(date);
        for (int r = 0; r < 20; ++r) {
            l.push_back(r == 0 ? "\"1\"" : "\"0\"");
            l.push_back(r == 0 ? "\"0,9\"" : "\"0\"");
            l.push_back(r == 0 ? "\"2,1\"" : "\"0\"");
        }
    }
    Fichier(l);
    lu.doc.Commentaire = "gardé";
    lu.doc.NomFichier = "m.bdc";
    lu.doc.TrouCentral = 12;
    LireDocument(lu.doc, fichiers, lu.dialogues);
    EXPECT_EQ(lu.doc.SerieCourante, 2);
    EXPECT_EQ(lu.doc.DateSerie, 38010);
    EXPECT_EQ(lu.doc.DiametreSerie, 150);
    EXPECT_EQ(lu.doc.RayonCourbure, 2400);
    EXPECT_EQ(lu.doc.Lectures[2][1][1], 2.1);
    // Values a version-1 file does not carry are left alone.
    EXPECT_EQ(lu.doc.Commentaire, "gardé");
    EXPECT_EQ(lu.doc.TrouCentral, 12);
    EXPECT_EQ(lu.doc.Note, "");
    EXPECT_TRUE(Messages().empty());
}

std::vector<std::string> Predecesseur(const std::string& date) {
    std::vector<std::string> l = {"KESTRAN 3", "\"250\"", "\"1500\"", "\"30\"", "\"Claude\"",
                                  "\"-1\"", date, "\" 2 \"", "\"60\"", "\"125\""};
    for (int r = 0; r < 20; ++r) {
        l.push_back(r == 1 ? "\"1,25\"" : "\"0\"");
        l.push_back(r == 1 ? "\"3,5\"" : "\"0\"");
        l.push_back(r == 1 ? "\"1\"" : "\"0\"");
    }
    return l;
}

TEST_F(Lecteur, Predecesseur) {
    Fichier(Predecesseur("\"14/03/1998\""));
    Lit();
    EXPECT_EQ(lu.doc.SerieCourante, 1);
    EXPECT_EQ(lu.doc.Intitule, "Claude");
    EXPECT_EQ(lu.doc.DateSerie, 35868);
    EXPECT_EQ(lu.doc.NombreZones, 2);
    // The flag comes after the readings of its line.
    EXPECT_EQ(lu.doc.Lectures[0][2][1], 1);
    EXPECT_EQ(lu.doc.Lectures[1][2][1], 1.25);
    EXPECT_EQ(lu.doc.Lectures[2][2][1], 3.5);
    EXPECT_EQ(lu.doc.Lectures[0][1][1], 0);
    EXPECT_TRUE(Messages().empty());

    // A date that is not in the calendar is a rejected number.
    Fichier(Predecesseur("\"31/02/1998\""));
    Lit();
    EXPECT_TRUE(lu.doc.NombreIncorrect);
    EXPECT_EQ(lu.doc.MotifErreur, "31/02/1998");
    ASSERT_FALSE(Messages().empty());
    EXPECT_EQ(Messages().back().Texte, "Erreur de lecture d'un fichier ( 31/02/1998 )");
}

TEST_F(Lecteur, FinsDeLigneEtCodage) {
    auto lignes = FichierVersion2({Serie("46001", "1,1", "\"s\xE9rie\"")});
    lignes[1] = "\"Miroir \xE0 trou\"";
    std::string lf;
    for (const auto& l : lignes) lf += l + "\n";
    fichiers.Contenus["m.bdc"] = lf;
    Lit();
    EXPECT_EQ(lu.doc.Intitule, "Miroir à trou");
    EXPECT_EQ(lu.doc.Note, "série");
    EXPECT_TRUE(Messages().empty());
    // A quoted first line is accepted too, and a name with trailing blanks opens the file.
    lignes[0] = "\"tarvo 2.5.3\"";
    Fichier(lignes);
    Ouvre(lu, fichiers, "m.bdc  ");
    EXPECT_TRUE(lu.doc.FichierOuvert);
    EXPECT_EQ(lu.doc.LigneEntete, "tarvo 2.5.3");
    EXPECT_EQ(lu.doc.SerieCourante, 1);
}

} // namespace
} // namespace tarvo::test

namespace tarvo::test {
namespace {

// Every series of every example, handed by the one read of the whole file, is the series
// that reading the file up to it gives; a file cut inside a series hands those before.
TEST(ParcoursDesSeries, ChaqueSerieCommeLaLectureJusquALelle) {
    for (const char* exemple : {"ancien-v1.bdc", "kestran.bdc", "miroir-200-f6.bdc",
                                "miroir-300-f5-trou.bdc"}) {
        std::ifstream f(std::string(TARVO_SOURCE_DIR) + "/examples/" + exemple, std::ios::binary);
        FichiersMemoire fichiers;
        const std::string contenu(std::istreambuf_iterator<char>(f), {});
        fichiers.Contenus["m.bdc"] = contenu;
        std::vector<Document> parcourues;
        const int nombre =
            ParcourtSeries(contenu, [&](const Document& d) { parcourues.push_back(d); });
        ASSERT_GE(nombre, 1) << exemple;
        ASSERT_EQ(static_cast<int>(parcourues.size()), nombre);
        for (int k = 1; k <= nombre; ++k) {
            Lu lu;
            Ouvre(lu, fichiers, "m.bdc", k);
            const Document& p = parcourues[static_cast<std::size_t>(k - 1)];
            EXPECT_EQ(p.SerieCourante, k);
            EXPECT_EQ(p.Lectures, lu.doc.Lectures) << exemple << " série " << k;
            EXPECT_EQ(p.DateSerie, lu.doc.DateSerie);
            EXPECT_EQ(p.DiametreSerie, lu.doc.DiametreSerie);
            EXPECT_EQ(p.TrouCentralSerie, lu.doc.TrouCentralSerie);
            EXPECT_EQ(p.Note, lu.doc.Note);
        }
        // Cut in the middle of the last series.
        const std::size_t coupe = contenu.rfind("\r\n", contenu.size() - contenu.size() / (4 * nombre));
        EXPECT_EQ(ParcourtSeries(contenu.substr(0, coupe), [](const Document&) {}), nombre - 1)
            << exemple;
    }
}

} // namespace
} // namespace tarvo::test
