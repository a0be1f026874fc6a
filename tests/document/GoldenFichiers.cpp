// Golden files: for a small document of each version, the exact bytes that Save As writes
// and the values that opening it (and browsing each series) gives. A change of the layout
// written or of what is read shows here as a difference of whole files.
//
// golden/NOM.bdc          the document as that version wrote it
// golden/NOM.attendu.bdc  the file Save As makes of it under a new name
// golden/NOM.valeurs.txt  the model after the open, then after browsing to each series
//
// TARVO_GOLDEN_ECRIT=1 in the environment writes the files from what the program does now
// instead of comparing; every such change must be read line by line before it is kept.

#include "Fabrique.h"

#include "document/Enregistrement.h"
#include "document/Lecteur.h"
#include "platform/Services.h"
#include "support/FenetreFactice.h"
#include "support/SystemeFixe.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tarvo::test {
namespace {

const std::filesystem::path Dossier = std::filesystem::path(TARVO_SOURCE_DIR) / "tests/document/golden";

std::string LitOctets(const std::filesystem::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    EXPECT_TRUE(f.good()) << chemin;
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

bool Regenere() {
    const char* v = std::getenv("TARVO_GOLDEN_ECRIT");
    return v != nullptr && std::string(v) == "1";
}

// The shortest text that reads back as the same double.
std::string Nombre(double v) {
    char tampon[40];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
    return std::string(tampon, r.ptr);
}

std::string Visible(const std::string& texte) {
    std::string s;
    for (const char c : texte) {
        if (c == '\r') s += "\\r";
        else if (c == '\n') s += "\\n";
        else s += c;
    }
    return s;
}

// The model as the tests compare it: every value the file gives, one per line.
std::string Valeurs(const Document& d, const DialoguesEnregistres& dialogues) {
    std::string s;
    const auto ligne = [&s](const std::string& cle, const std::string& valeur) {
        s += cle + " = " + valeur + "\n";
    };
    ligne("LigneEntete", d.LigneEntete);
    ligne("FichierOuvert", d.FichierOuvert ? "oui" : "non");
    ligne("Intitule", d.Intitule);
    ligne("Diametre", Nombre(d.Diametre));
    ligne("Focale", Nombre(d.Focale));
    ligne("Epaisseur", Nombre(d.Epaisseur));
    ligne("CoefDeformation", Nombre(d.CoefDeformation));
    ligne("TrouCentral", Nombre(d.TrouCentral));
    ligne("NombreZones", std::to_string(d.NombreZones));
    std::string rayons;
    for (int i = 1; i <= ZonesUtilisees(d); ++i)
        rayons += (i > 1 ? " " : "") + Nombre(d.Zones[i][RayonExterieur]);
    ligne("RayonExterieur", rayons);
    ligne("SerieCourante", std::to_string(d.SerieCourante));
    ligne("DateSerie", Nombre(d.DateSerie));
    ligne("DiametreSerie", Nombre(d.DiametreSerie));
    ligne("FocaleSerie", Nombre(d.FocaleSerie));
    ligne("TrouCentralSerie", Nombre(d.TrouCentralSerie));
    ligne("RayonCourbure", Nombre(d.RayonCourbure));
    for (int k = 1; k <= 2; ++k)
        for (int j = 1; j <= LigneMoyennes; ++j) {
            std::string v = Nombre(d.Lectures[0][j][k]) + " |";
            for (int i = 1; i <= ZonesUtilisees(d); ++i) v += " " + Nombre(d.Lectures[i][j][k]);
            ligne("D" + std::to_string(k) + (j == LigneMoyennes ? " moyennes" : " L" + std::to_string(j)), v);
        }
    ligne("DiametresValides", std::to_string(d.DiametresValides));
    ligne("Commentaire", Visible(d.Commentaire));
    ligne("Note", Visible(d.Note));
    ligne("NombreIncorrect", d.NombreIncorrect ? "oui" : "non");
    ligne("EntierIncorrect", d.EntierIncorrect ? "oui" : "non");
    ligne("MotifErreur", d.MotifErreur);
    for (const auto& m : dialogues.Messages) ligne("Message", m.Titre + " | " + m.Texte);
    return s;
}

// The values after the open, then after browsing to each series in turn, as the series
// arrows do (without a reset, the last series' comment kept).
std::string ValeursDuFichier(FichiersMemoire& fichiers, const std::string& nom) {
    Lu lu;
    Ouvre(lu, fichiers, nom);
    std::string s = "== ouverture\n" + Valeurs(lu.doc, lu.dialogues);
    lu.doc.Commentaire = lu.doc.Note;
    for (int serie = 1; serie <= lu.doc.NombreSeries; ++serie) {
        lu.dialogues.Messages.clear();
        lu.doc.SerieDemandee = serie;
        LireDocument(lu.doc, fichiers, lu.dialogues);
        s += "== série " + std::to_string(serie) + "\n" + Valeurs(lu.doc, lu.dialogues);
    }
    return s;
}

void Compare(const std::filesystem::path& chemin, const std::string& obtenu) {
    if (Regenere()) {
        std::ofstream(chemin, std::ios::binary) << obtenu;
        return;
    }
    EXPECT_EQ(obtenu, LitOctets(chemin)) << chemin;
}

class Golden : public ::testing::TestWithParam<const char*> {};

TEST_P(Golden, EnregistrerSousDonneLesOctetsEtLesValeursAttendus) {
    const std::string nom = GetParam();
    FichiersMemoire fichiers;
    const std::string original = LitOctets(Dossier / (nom + ".bdc"));
    fichiers.Contenus["miroir.bdc"] = original;

    const std::string valeurs = ValeursDuFichier(fichiers, "miroir.bdc");
    Compare(Dossier / (nom + ".valeurs.txt"), valeurs);

    // Open, then Save As under a new name, as the program's commands do.
    Lu lu;
    Ouvre(lu, fichiers, "miroir.bdc");
    ASSERT_TRUE(lu.dialogues.Messages.empty());
    lu.doc.NomPropose = "miroir.bdc";
    SystemeFixe systeme;
    FenetreFactice fenetre;
    Services services{fichiers, lu.dialogues, systeme, fenetre};
    Historique historique;
    lu.dialogues.FichiersChoisis.push_back("copie");
    EnregistreSous(lu.doc, services, historique);
    ASSERT_TRUE(lu.doc.EnregistrementReussi);
    EXPECT_EQ(fichiers.Contenus["miroir.bdc"], original);
    Compare(Dossier / (nom + ".attendu.bdc"), fichiers.Contenus["copie.bdc"]);

    // The saved file gives the same values as the original, but for its signature.
    std::string relues = ValeursDuFichier(fichiers, "copie.bdc");
    std::string attendues = valeurs;
    const std::string entete = "LigneEntete = " + lu.doc.LigneEntete + "\n";
    const std::string actuelle = "LigneEntete = tarvo 2.5.3\n";
    for (auto p = attendues.find(entete); p != std::string::npos;
         p = attendues.find(entete, p + actuelle.size()))
        attendues.replace(p, entete.size(), actuelle);
    EXPECT_EQ(relues, attendues);

    // A file in the current layout is written back byte for byte.
    Lu relu;
    Ouvre(relu, fichiers, "copie.bdc");
    Services services2{fichiers, relu.dialogues, systeme, fenetre};
    relu.doc.NomPropose = "copie.bdc";
    relu.dialogues.FichiersChoisis.push_back("copie3");
    EnregistreSous(relu.doc, services2, historique);
    ASSERT_TRUE(relu.doc.EnregistrementReussi);
    EXPECT_EQ(fichiers.Contenus["copie3.bdc"], fichiers.Contenus["copie.bdc"]);
}

INSTANTIATE_TEST_SUITE_P(Versions, Golden,
                         ::testing::Values("version2-trou", "version20", "version1", "kestran"),
                         [](const ::testing::TestParamInfo<const char*>& parametre) {
                             std::string n = parametre.param;
                             std::erase(n, '-');
                             return n;
                         });

} // namespace
} // namespace tarvo::test
