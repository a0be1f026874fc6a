#include "BancProgramme.h"
#include "app/Commandes.h"
#include "optics/MoyenneSeries.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarvo::test {
namespace {

// A system whose language marks every text of the program's messages, so that a message
// made without the translation, or a translated text that reaches the file, shows.
class SystemeMarque : public SystemeFixe {
  public:
    std::string Traduit(std::string_view contexte, std::string_view texte) override {
        return contexte == "Programme" ? "EN:" + std::string(texte) : std::string(texte);
    }
};

struct BancMarque {
    BancMarque() {
        surface.Relie(programme);
        fichiers.Contenus[systeme.Executable + "help/index.html"] = "<html></html>";
        FormCreate(programme, {});
    }
    void Ouvre(const std::string& contenu) {
        if (!contenu.empty()) fichiers.Contenus[Nom] = contenu;
        dialogues.FichiersChoisis.push_back(Nom);
        FileOpen1Execute(programme);
    }

    const std::string Nom = "/miroirs/essai.bdc";
    FichiersMemoire fichiers;
    DialoguesEnregistres dialogues;
    SystemeMarque systeme;
    FenetreFactice fenetre;
    SurfaceProgrammeFactice surface;
    PrincipaleFactice principale;
    Programme programme{fichiers, dialogues, systeme, fenetre, surface, surface, principale};
};

// Every message the user is shown goes through the translation, its values in place.
TEST(Traduction, LesMessagesSontTraduitsLaOuIlsSontFaits) {
    const struct {
        const char* Nom;
        std::function<void(BancMarque&)> Scenario;
        std::string Attendu;
    } cas[] = {
        {"absent", [](BancMarque& b) { b.Ouvre(""); }, "EN:Fichier introuvable"},
        {"corrompu",
         [](BancMarque& b) {
             b.Ouvre("tarvo 2.5.3\r\n\"X\"\r\n200\r\n1200\r\n25\r\n-1\r\n0\r\n12\r\n");
         },
         "EN:Erreur de lecture d'un fichier ( EN:Fichier corrompu )"},
        {"inconnu", [](BancMarque& b) { b.Ouvre("autre chose\r\n"); }, "EN:Mauvais fichier"},
        {"serie",
         [](BancMarque& b) {
             b.Ouvre(DocumentDeSeries(2));
             b.programme.Doc.Modifie = true;
             SeriePrecedente(b.programme);
         },
         "EN:Il faut d'abord sauvegarder le fichier pour changer de série de mesures."},
    };
    for (const auto& c : cas) {
        BancMarque b;
        c.Scenario(b);
        ASSERT_FALSE(b.dialogues.Messages.empty()) << c.Nom;
        EXPECT_EQ(b.dialogues.Messages.back().Texte, c.Attendu) << c.Nom;
        for (const MessageAffiche& m : b.dialogues.Messages) {
            EXPECT_EQ(m.Texte.rfind("EN:", 0), 0u) << c.Nom << " : " << m.Texte;
            EXPECT_TRUE(m.Titre.empty() || m.Titre.rfind("EN:", 0) == 0)
                << c.Nom << " : " << m.Titre;
        }
    }
}

// The mean is shown in the user's language, but the comment it leaves in the file when it is
// saved as a series is French, as everything the file holds.
TEST(Traduction, LaMoyenneSeMontreTraduiteEtSEnregistreEnFrancais) {
    BancMarque b;
    Programme& p = b.programme;
    b.Ouvre(DocumentDeSeries(3));
    b.dialogues.ListesChoisies = {std::vector<int>{0, 2}};
    MoyenneSeriesExecute(p);
    ASSERT_TRUE(p.Moyenne);
    EXPECT_EQ(b.dialogues.Listes.at(0).at(1).Libelle.rfind("EN:Série 2 — ", 0), 0u);
    EXPECT_EQ(p.Moyenne->Affichage.Libelle, "EN:Moyenne des séries 1, 3");
    EXPECT_EQ(p.Moyenne->Calcul.Serie.Note,
              "EN:Moyenne des séries EN:1 (EN:1 + 0 ligne) et 3 (EN:1 + 0 ligne)");

    EnregistreMoyenneExecute(p);
    EXPECT_EQ(p.Doc.Commentaire, "Moyenne des séries 1 (1 + 0 ligne) et 3 (1 + 0 ligne)");
    FileSave1Execute(p);
    ASSERT_TRUE(p.Doc.EnregistrementReussi);
    EXPECT_EQ(b.fichiers.Contenus[b.Nom].find("EN:"), std::string::npos);

    Document autre = p.Doc;
    autre.DiametreSerie = 150;
    EXPECT_EQ(MotifIncompatible(p.Doc, autre, ',', &b.systeme),
              "EN:diamètre de 150,0 mm au lieu de 200,0 mm");
}

} // namespace
} // namespace tarvo::test
