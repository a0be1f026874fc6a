#include "SerieEssai.h"

#include "cli/Commandes.h"
#include "cli/ExportOptique.h"
#include "cli/Json.h"
#include "optics/Reduction.h"
#include "support/FichiersMemoire.h"
#include "support/SystemeFixe.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tarvo {
namespace {

using test::SerieEssai;

std::string JsonOptique(Document doc) {
    std::string texte;
    Json json(texte);
    json.DebutObjet();
    EcritJsonOptique(json, doc);
    json.FinObjet();
    return texte;
}

bool Contient(const std::string& texte, const std::string& morceau) {
    return texte.find(morceau) != std::string::npos;
}

TEST(ExportOptique, JsonDeLaFeuilleEtDuBulletin) {
    Document doc = SerieEssai(200, 1200, {39, 62, 82, 100}, {0.6, 1.5, 2.5, 3.7});
    std::string json = JsonOptique(doc);
    EXPECT_TRUE(Contient(json, R"({"Feuille":{"RayonCourbure":2400,"RayonTache":4.0992,)")) << json;
    EXPECT_TRUE(Contient(json, R"("Bulletin":{"RayonCourbure":2400,)"));
    EXPECT_TRUE(Contient(json, R"("MoyenneB":null,"Moyenne":0.6,)"));
    EXPECT_TRUE(Contient(json, R"("PointBord":{"RayonExterieur":0,"Onde":0},"PointParabole1":)"));
    EXPECT_TRUE(Contient(json, R"("Max":)") && Contient(json, R"("Etendue":)"));
    EXPECT_FALSE(Contient(json, "null,\"FMax\""));

    // A mirror flatter than the half-sphere, and a series without a validated line.
    doc.Focale = 40;
    doc.Lectures[0][LigneMoyennes][1] = 0;
    json = JsonOptique(doc);
    EXPECT_TRUE(Contient(
        json,
        R"("Profondeur":null,"VolumeConcavite":null,"MasseVerreUsine":null,"MasseMiroir":null,"EchelleImage":)"))
        << json;
    EXPECT_TRUE(Contient(json, R"("Bulletin":null,"Analyse":{)"));
    doc.Diametre = 0;
    EXPECT_TRUE(Contient(JsonOptique(doc), R"({"Feuille":null,)"));
}

TEST(ExportOptique, CsvDuTableauDuBulletin) {
    Document doc = SerieEssai(200, 1200, {40, 70, 100}, {1.1667, 2.2604, 4.0104});
    std::string csv;
    EcritCsvBulletin(doc, CalculeBulletin(doc), csv);
    const std::string entete = "Zones;H. Ext;Hm;Hm2/R;100Hm/4F;Mesures;Moy.-Cte;Lambda c;1000 "
                               "lambda F;lambda F/rho;-10^6 u\r\n";
    ASSERT_EQ(csv.substr(0, entete.size()), entete);
    EXPECT_EQ(csv.substr(entete.size(), 31), "1;40,0;20,00;0,167;0,417;1,167;");
    EXPECT_TRUE(Contient(csv, "\r\n3;100,0;85,00;3,010;1,771;4,010;"));
    EXPECT_FALSE(Contient(csv, "-0,000"));

    // Both diameters: three measures columns; a sphere has no theoretical column; any other
    // conic names it with K.
    doc = SerieEssai(200, 1200, {40, 70, 100}, {1, 2, 3}, {1, 2, 3.2}, 0, 0);
    csv.clear();
    EcritCsvBulletin(doc, CalculeBulletin(doc), csv);
    EXPECT_EQ(csv.substr(0, 64),
              "Zones;H. Ext;Hm;100Hm/4F;D1 moyen;D2 moyen;Moyenne;Moy.-Cte;Lamb");
    EXPECT_TRUE(Contient(csv, "\r\n3;100,0;85,00;1,771;3,000;3,200;3,100;"));
    doc.CoefDeformation = -0.5;
    doc.RetenirD1 = false;
    csv.clear();
    EcritCsvBulletin(doc, CalculeBulletin(doc), csv);
    EXPECT_EQ(csv.substr(0, 55), "Zones;H. Ext;Hm;Hm2/R.K;100Hm/4F;D2 moyen;Moy.-Cte;Lamb");
}

struct Commande {
    test::FichiersMemoire fichiers;
    test::SystemeFixe systeme;
    std::ostringstream sortie, erreurs;

    int Execute(const std::vector<std::string>& arguments) {
        const AnalyseCli analyse = AnalyseLigneCommande(arguments, systeme);
        if (!analyse.Options) return -1;
        ContexteCli contexte{fichiers, systeme, sortie, erreurs};
        return ExecuteCommande(*analyse.Options, contexte);
    }
};

TEST(ExportOptique, CommandesZonesEtCsv) {
    Commande c;
    EXPECT_EQ(c.Execute({"--zones", "200", "1200", "0"}), 0);
    EXPECT_EQ(c.sortie.str(), "{\"NombreZones\":4,\"RayonExterieur\":[39,62,82,100]}\n");
    EXPECT_EQ(c.Execute({"--zones", "0", "1200", "0"}), 2);
    EXPECT_EQ(c.Execute({"--zones", "200", "1200", "300"}), 2);

    std::ifstream exemple(TARVO_SOURCE_DIR "/examples/miroir-200-f6.bdc", std::ios::binary);
    c.fichiers.Contenus["miroir.bdc"] = std::string(std::istreambuf_iterator<char>(exemple), {});
    c.sortie.str("");
    EXPECT_EQ(c.Execute({"--csv", "miroir.bdc"}), 0) << c.erreurs.str();
    const std::string csv = c.sortie.str();
    EXPECT_EQ(csv.rfind("Zones;H. Ext;Hm;Hm2/R;", 0), 0u) << csv;
    EXPECT_TRUE(Contient(csv, "\r\n4;100,0;91,00;"));
    // The table, then the analysis figures with their 1σ (the fraction has none).
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 12);
    EXPECT_TRUE(Contient(csv, "4;100,0;91,00;3,450;1,896;4,328;4,339;4,333;3,436;-0,015;-0,280;"
                              "-0,068;0,233\r\n\r\nAnalyse;Valeur;Incertitude\r\nEcartMax;12,82;"));
    EXPECT_TRUE(Contient(csv, "\r\nFractionLambdaRMS;154,0;\r\nStrehl;0,9983;"));

    EXPECT_EQ(c.Execute({"--csv", "absent.bdc"}), 1);
    c.sortie.str("");
    EXPECT_EQ(c.Execute({"--json", "miroir.bdc"}), 0);
    EXPECT_TRUE(Contient(c.sortie.str(), R"("Feuille":{"RayonCourbure":2400,)"));
    EXPECT_TRUE(Contient(c.sortie.str(), R"("Bulletin":{"RayonCourbure":2400,)"));
    EXPECT_TRUE(Contient(c.sortie.str(), R"("Analyse":{"EcartRMS":3.6366)"));
}

// The analysis beside the report: every key, null where there is nothing to give.
TEST(ExportOptique, JsonDeLAnalyse) {
    Document doc = SerieEssai(200, 1200, {39, 62, 82, 100}, {0.6, 1.5, 2.5, 3.7});
    std::string json = JsonOptique(doc);
    EXPECT_TRUE(Contient(json, R"("ConiqueIncertitude":null,"EcartMaxIncertitude":null,)"
                               R"("EcartRMSIncertitude":null,"StrehlIncertitude":null}})"))
        << json;
    EXPECT_TRUE(Contient(json, R"("Analyse":{"EcartRMS":)"));
    doc.Lectures[0][LigneMoyennes][1] = 0;
    EXPECT_TRUE(Contient(JsonOptique(doc),
                         R"("Bulletin":null,"Analyse":{"EcartRMS":null,"FractionLambdaRMS":null,)"
                         R"("Strehl":null,"ConiqueAjustee":null,"ConiqueIncertitude":null,)"
                         R"("EcartMaxIncertitude":null,"EcartRMSIncertitude":null,)"
                         R"("StrehlIncertitude":null}})"));
}

// The history and the mean without a window: the history as CSV; a mean named badly writes
// nothing but why, and exits 1 (2 for a list that is no list).
TEST(ExportOptique, HistoriqueEtMoyenneSansFenetre) {
    Commande c;
    std::ifstream exemple(TARVO_SOURCE_DIR "/examples/miroir-200-f6.bdc", std::ios::binary);
    c.fichiers.Contenus["miroir.bdc"] = std::string(std::istreambuf_iterator<char>(exemple), {});
    EXPECT_EQ(c.Execute({"--csv", "--historique", "miroir.bdc"}), 0) << c.erreurs.str();
    const std::string csv = c.sortie.str();
    EXPECT_EQ(csv.rfind("Serie;Date;Diametre;Lectures;EcartMax;FractionLambda;EcartRMS;Strehl;"
                        "ConiqueAjustee;Commentaire\r\n1;01/10/2026;200,0;56;440,00;1,3;124,73;",
                        0),
              0u)
        << csv;
    EXPECT_TRUE(Contient(csv, "\r\n3;04/11/2026;200,0;76;12,82;43,7;3,64;0,9983;-0,971;"
                              "Troisième série\r\n"));

    const struct {
        std::vector<std::string> Arguments;
        int Sortie;
        std::string Erreur;
    } refus[] = {
        {{"--json", "--moyenne", "2", "miroir.bdc"}, 1, "Il faut au moins deux séries"},
        {{"--json", "--moyenne", "2,2", "miroir.bdc"}, 1, "La série 2 est nommée deux fois."},
        {{"--csv", "--moyenne", "2,9", "miroir.bdc"}, 1, "pas de série 9 : il en a 3."},
        {{"--json", "--moyenne", "2,x", "miroir.bdc"}, -1, ""},
        {{"--json", "--moyenne", "2,3", "--series", "1", "miroir.bdc"}, -1, ""},
        {{"--json", "--historique", "miroir.bdc"}, -1, ""},
    };
    for (const auto& r : refus) {
        c.sortie.str("");
        c.erreurs.str("");
        EXPECT_EQ(c.Execute(r.Arguments), r.Sortie) << r.Arguments[2];
        EXPECT_EQ(c.sortie.str(), "");
        EXPECT_TRUE(Contient(c.erreurs.str(), r.Erreur)) << c.erreurs.str();
    }
    c.sortie.str("");
    EXPECT_EQ(c.Execute({"--json", "--moyenne", "2,3", "miroir.bdc"}), 0);
    EXPECT_TRUE(Contient(c.sortie.str(), R"("Moyenne":{"Libelle":"Moyenne des séries 2, 3",)"
                                         R"("Series":[2,3],"Lignes":[20,19]})"))
        << c.sortie.str().substr(0, 200);
    EXPECT_FALSE(Contient(c.sortie.str(), R"("EcartRMSIncertitude":null)"));
}

} // namespace
} // namespace tarvo
