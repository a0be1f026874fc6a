#include "BancProgramme.h"
#include "app/Aide.h"
#include "app/Commandes.h"
#include "app/Noms.h"

#include <gtest/gtest.h>

#include <array>

namespace tarvo::test {
namespace {

using A = Action;

struct Demarrage : ::testing::Test {
    BancProgramme banc;
    Programme& p = banc.programme;
};

TEST_F(Demarrage, SansArgumentLaPageDesCaracteristiquesDUnDocumentVide) {
    p.Doc.Intitule = "reste d'avant";
    FormCreate(p, {});
    EXPECT_TRUE(banc.dialogues.Messages.empty());
    EXPECT_EQ(banc.fenetre.Titre, "Tarvo");
    EXPECT_EQ(p.Etat.SeparateurDecimal, ',');
    EXPECT_EQ(p.Etat.FichierAide, "/opt/tarvo/help/index.html");
    EXPECT_EQ(p.Etat.RepertoireWindows, "/config/");
    EXPECT_EQ(p.Etat.RepertoireCourant.back(), '/');
    EXPECT_FALSE(p.Etat.Fermeture);

    // The reset document, its date today.
    EXPECT_TRUE(p.Doc.Intitule.empty());
    EXPECT_EQ(p.Doc.DateSerie, banc.systeme.Jour);
    EXPECT_TRUE(p.Doc.NomFichier.empty());
    EXPECT_EQ(banc.principale.Note, "");

    // No settings file: the default geometry, without a message.
    EXPECT_EQ(banc.fenetre.LargeurCourante, 600);
    EXPECT_EQ(banc.fenetre.HautCourant, 29);
    EXPECT_FALSE(banc.fenetre.SeparateurVisible);

    // The characteristics page is drawn, with its window state.
    EXPECT_EQ(p.Etat.PageCourante, "Caractéristiques");
    EXPECT_EQ(banc.surface.Controles[Controle::Fenetre].Largeur, 545);
    EXPECT_EQ(banc.surface.Fiche.Largeur, 545);
    EXPECT_EQ(p.Etat.ContexteAide, 3100);
    EXPECT_TRUE(p.Actions.Enfonce(Bouton::ToolCaracteristiques));
    EXPECT_FALSE(banc.surface.Controles[Controle::BoutonAnnuler].Visible);
    EXPECT_GT(p.Etat.HauteurUtile, 0); // the viewport was updated

    // The editor sits on the name's box.
    const Cadre& nom = p.Cadres.Cadres[1];
    EXPECT_GT(nom.Droite, nom.Gauche);
    const auto& saisie = banc.surface.Controles[Controle::Saisie];
    EXPECT_TRUE(saisie.Visible);
    EXPECT_EQ(saisie.Gauche, nom.Gauche);
    EXPECT_EQ(saisie.Haut, nom.Haut);
    EXPECT_EQ(saisie.Largeur, nom.Droite - nom.Gauche);
    EXPECT_EQ(saisie.Hauteur, 24);
    EXPECT_EQ(p.Etat.Saisie.ChampCourant, 1u);
    EXPECT_EQ(banc.principale.TexteSaisie_, "");
    EXPECT_EQ(banc.principale.LongueurMax, 70);
    EXPECT_EQ(banc.principale.IndicationSaisie, "Texte libre de 70 caractères maximum");

    // Commands: nothing to save, no clipboard, print available, pages locked.
    EXPECT_TRUE(banc.principale.BarreOutilsActive);
    for (A a : {A::FileSave1, A::Couper1, A::Copier1, A::Coller1, A::Feuille_Travail,
                A::NouvellesMesures, A::Mesures, A::EditionDesMesures, A::BulletinDeControle})
        EXPECT_FALSE(p.Actions.Active(a)) << Description(a).Nom;
    EXPECT_TRUE(p.Actions.Active(A::Imprimer1));
}

TEST_F(Demarrage, FichierDAideAbsentLeDitEtContinue) {
    banc.fichiers.Contenus.clear();
    FormCreate(p, {});
    ASSERT_EQ(banc.dialogues.Messages.size(), 1u);
    EXPECT_EQ(banc.dialogues.Messages[0].Titre, "");
    EXPECT_EQ(banc.dialogues.Messages[0].Texte, "Le fichier d'aide est introuvable !");
    EXPECT_EQ(p.Etat.FichierAide, "/opt/tarvo/help/index.html");
    EXPECT_EQ(p.Etat.Saisie.ChampCourant, 1u);
}

TEST_F(Demarrage, LAideDuProgrammeInstalleEstDansSonDossierDeDonnees) {
    banc.fichiers.Contenus.clear();
    banc.systeme.Executable = "/usr/bin/";
    banc.fichiers.Contenus["/usr/share/tarvo/help/index.html"] = "<html></html>";
    FormCreate(p, {});
    EXPECT_TRUE(banc.dialogues.Messages.empty());
    EXPECT_EQ(p.Etat.FichierAide, "/usr/share/tarvo/help/index.html");
    AideContextuelle(p, 3200);
    EXPECT_EQ(banc.principale.PagesAide,
              (std::vector<std::string>{"/usr/share/tarvo/help/feuille.html"}));

    // A build tree's own pages, beside the executable, come first.
    banc.fichiers.Contenus["/usr/bin/help/index.html"] = "<html></html>";
    FormCreate(p, {});
    EXPECT_EQ(p.Etat.FichierAide, "/usr/bin/help/index.html");
    EXPECT_TRUE(banc.dialogues.Messages.empty());
}

// In English the help page is its translation in "en/" when the help has it, else French.
TEST(Aide, LaPageEstDansLaLangueDeLInterfaceQuandLAideLaTraduit) {
    struct SystemeEnLangue : SystemeFixe {
        std::string Langue;
        std::string CodeLangue() override { return Langue; }
    } systeme;
    FichiersMemoire fichiers;
    for (const char* f : {"/opt/tarvo/help/index.html", "/opt/tarvo/help/en/feuille.html"})
        fichiers.Contenus[f] = "<html></html>";
    for (const auto& [langue, page, attendu] : {
             std::array<std::string, 3>{"fr", "feuille.html", "/opt/tarvo/help/feuille.html"},
             {"en", "feuille.html", "/opt/tarvo/help/en/feuille.html"},
             {"en", "ombres.html", "/opt/tarvo/help/ombres.html"}, // not translated
         }) {
        systeme.Langue = langue;
        EXPECT_EQ(FichierAide(systeme, fichiers, page), attendu) << langue << " " << page;
    }
}

TEST_F(Demarrage, LesParametresSontAppliquesEtLesFichiersRecentsAuMenu) {
    banc.fichiers.Contenus["/config/Tarvo.ini"] =
        "[Tarvo 2.5.3]\r\n2\r\n800\r\n700\r\n10\r\n20\r\n\r\n/m/a.bdc\r\n/m/b.bdc\r\n\r\n\r\n";
    FormCreate(p, {});
    EXPECT_TRUE(banc.dialogues.Messages.empty());
    EXPECT_EQ(p.Etat.EtatFenetreLu, 2);
    EXPECT_EQ(banc.fenetre.EtatCourant, EtatFenetre::Maximise);
    EXPECT_EQ(banc.fenetre.LargeurCourante, 800);
    EXPECT_EQ(banc.fenetre.HauteurCourante, 700);
    EXPECT_EQ(banc.fenetre.GaucheCourante, 10);
    EXPECT_TRUE(banc.fenetre.SeparateurVisible);
    EXPECT_EQ(banc.fenetre.MenuLibelle[1], "&1 /m/a.bdc");
    EXPECT_EQ(banc.fenetre.MenuLibelle[2], "&2 /m/b.bdc");
    EXPECT_FALSE(banc.fenetre.MenuVisible[3]);
}

TEST_F(Demarrage, LesEtapesDansLOrdreAideParametresPuisDocument) {
    banc.fichiers.Contenus.clear();
    banc.fichiers.Contenus["/config/Tarvo.ini"] =
        "[Tarvo 2.5.3]\r\n0\r\nlarge\r\n700\r\n10\r\n20\r\n\r\n/m/a.bdc\r\n\r\n\r\n\r\n";
    banc.fichiers.Contenus["/m/b.bdc"] = DocumentDeSeries(2, "B");
    FormCreate(p, {"/m/b.bdc"});
    ASSERT_EQ(banc.dialogues.Messages.size(), 2u);
    EXPECT_EQ(banc.dialogues.Messages[0].Texte, "Le fichier d'aide est introuvable !");
    EXPECT_EQ(banc.dialogues.Messages[1].Titre, "Tarvo - Initialisation");
    EXPECT_EQ(banc.dialogues.Messages[1].Texte, "Erreur de lecture du fichier Tarvo.ini");
    // The malformed file gives the default geometry and no recent file past the fault; the
    // document read afterwards is then the only one.
    EXPECT_EQ(banc.fenetre.LargeurCourante, 600);
    EXPECT_EQ(p.Histo[1], "/m/b.bdc ");
    EXPECT_EQ(p.Histo[2], "");
    EXPECT_EQ(banc.principale.TexteSaisie_, "B");
}

TEST_F(Demarrage, UnCheminCoupeAuxBlancsEstRecolle) {
    banc.fichiers.Contenus["/home/jo/Mes miroirs/essai.bdc"] = DocumentDeSeries(3, "Mon 200");
    FormCreate(p, {"/home/jo/Mes", "miroirs/essai.bdc"});
    EXPECT_TRUE(banc.dialogues.Messages.empty());
    EXPECT_EQ(p.Doc.NomFichier, "/home/jo/Mes miroirs/essai.bdc ");
    EXPECT_EQ(p.Doc.NomPropose, "essai.bdc ");
    EXPECT_EQ(banc.fenetre.Titre, "Tarvo - essai.bdc ");
    EXPECT_EQ(p.Doc.Intitule, "Mon 200");
    EXPECT_EQ(p.Doc.SerieCourante, 3);
    EXPECT_EQ(p.Doc.NombreSeries, 3);
    EXPECT_EQ(p.Doc.Commentaire, "Série 3");
    EXPECT_EQ(banc.fenetre.MenuLibelle[1], "&1 /home/jo/Mes miroirs/essai.bdc ");
    EXPECT_EQ(banc.principale.TexteSaisie_, "Mon 200");
    // Opened and unchanged: nothing to save; the mirror is complete, so its pages are
    // available to the rules.
    EXPECT_FALSE(p.Actions.Active(A::FileSave1));
    EXPECT_TRUE(p.Actions.Active(A::Feuille_Travail));
    EXPECT_TRUE(p.Actions.Active(A::BulletinDeControle));
}

TEST_F(Demarrage, UnDocumentIntrouvableLaisseUnDocumentSansNom) {
    FormCreate(p, {"/perdu/miroir.bdc"});
    ASSERT_EQ(banc.dialogues.Messages.size(), 1u);
    EXPECT_EQ(banc.dialogues.Messages[0].Titre, "Tarvo - Lecture d'un fichier");
    EXPECT_EQ(banc.dialogues.Messages[0].Texte, "Fichier introuvable");
    EXPECT_EQ(banc.fenetre.Titre, "Tarvo");
    EXPECT_TRUE(p.Doc.NomFichier.empty());
    EXPECT_TRUE(p.Doc.NomPropose.empty());
    EXPECT_FALSE(banc.fenetre.MenuVisible[1]);
    EXPECT_EQ(p.Etat.PageCourante, "Caractéristiques");
}

TEST(NomsDeLaLigneDeCommande, ArgumentsRecollesEtNomApresLeDernierSeparateur) {
    EXPECT_EQ(NomLigneCommande({}), "");
    EXPECT_EQ(NomLigneCommande({"", "b"}), "");
    EXPECT_EQ(NomLigneCommande({"C:\\Mes", "miroirs\\essai.bdc"}), "C:\\Mes miroirs\\essai.bdc ");
    EXPECT_EQ(NomLigneCommande(ArgumentsAbsolus({"Mes", "miroirs/essai.bdc"}, "/home/moi")),
              "/home/moi/Mes miroirs/essai.bdc ");
    EXPECT_EQ(ArgumentsAbsolus({"/m/essai.bdc"}, "/home/moi").front(), "/m/essai.bdc");
    EXPECT_EQ(ArgumentsAbsolus({"essai.bdc"}, "/").front(), "/essai.bdc");
    EXPECT_TRUE(ArgumentsAbsolus({}, "/home/moi").empty());
    EXPECT_EQ(NomApresSeparateur("C:\\Mes miroirs\\essai.bdc "), "essai.bdc ");
    EXPECT_EQ(NomApresSeparateur("\"C:\\a\\b.bdc\""), "");
    EXPECT_EQ(NomApresSeparateur("/x/\"y.bdc"), "y.bdc");
    EXPECT_EQ(NomApresSeparateur("essai.bdc"), "essai.bdc");
    const std::string long_ = "/" + std::string(130, 'd') + "/miroir de 250.bdc ";
    EXPECT_EQ(NomApresSeparateur(long_), "miroir de 250.bdc ");
}

} // namespace
} // namespace tarvo::test
