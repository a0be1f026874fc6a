#include "cli/DialoguesEnregistres.h"
#include "document/Parametres.h"
#include "platform/Services.h"
#include "posix/FichiersPosix.h"
#include "support/FenetreFactice.h"
#include "support/FichiersMemoire.h"
#include "support/SystemeFixe.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace tarvo {
namespace {

const std::string Ini = "/config/Tarvo.ini";
const std::string Temporaire = Ini + ".tmp";

std::string Fichier(std::initializer_list<std::string> lignes, const char* fin = "\r\n") {
    std::string texte;
    for (const auto& l : lignes) texte += l + fin;
    return texte;
}

struct Banc {
    test::FichiersMemoire memoire;
    DialoguesEnregistres dialogues;
    test::SystemeFixe systeme; // 1920 × 1080
    test::FenetreFactice fenetre;
    Services services{memoire, dialogues, systeme, fenetre};
    Historique historique{};
    int etatLu = 5;

    void Lit(const std::string& contenu) { LitParametres(contenu, historique, etatLu, services); }
    void Ecrit() { EcritParametres(historique, etatLu, services); }
    bool Message(const std::string& titre, const std::string& texte) const {
        return dialogues.Messages.size() == 1 && dialogues.Messages[0].Titre == titre &&
               dialogues.Messages[0].Texte == texte;
    }
    bool GeometrieDefaut() const {
        return fenetre.EtatCourant == EtatFenetre::Normal && fenetre.LargeurCourante == 600 &&
               fenetre.HauteurCourante == 830 && fenetre.HautCourant == 29 &&
               fenetre.LargeurPage == 600 - 16;
    }
    std::array<int, 5> Geometrie() const {
        return {static_cast<int>(fenetre.EtatCourant), fenetre.LargeurCourante,
                fenetre.HauteurCourante, fenetre.GaucheCourante, fenetre.HautCourant};
    }
};

TEST(LitParametres, LesValeursSontRameneesALEcranEtLesEntreesGardeesTellesQuelles) {
    Banc b;
    b.Lit(Fichier({"[Tarvo 2.5.3]", "2", "2560", "1440", "-30", "1061", "", "/m/A", "  /m/B ",
                   "", "/m/D"}));
    EXPECT_TRUE(b.dialogues.Messages.empty());
    EXPECT_EQ(b.Geometrie(), (std::array<int, 5>{2, 1920, 830, 0, 0}));
    EXPECT_EQ(b.etatLu, 2);
    EXPECT_EQ(b.historique, (Historique{"", "/m/A", "  /m/B ", "", "/m/D"}));

    // LF alone, quotes, blanks and signs; the limits themselves are kept; 7 is remembered
    // but leaves the window's state.
    Banc c;
    c.Lit(Fichier({"xTarvo", "\"7\"", " +1920", "1080  ", "1900", "1060", "?", "", "", "", ""},
                  "\n"));
    EXPECT_TRUE(c.dialogues.Messages.empty());
    EXPECT_EQ(c.Geometrie(), (std::array<int, 5>{0, 1920, 1080, 1900, 1060}));
    EXPECT_EQ(c.etatLu, 7);
}

TEST(LitParametres, UnFichierMalFormeAfficheLErreurEtLaGeometrieParDefaut) {
    const struct {
        std::string contenu;
        int gauche, etatLu;
        Historique historique{};
    } cas[] = {
        {Fichier({"[TARVO 2.5.3]", "2", "800", "700", "100", "50", "", "A", "B", "C", "D"}), 69, 5},
        {Fichier({"[Tarvo 2.5.3]", "2", "800", "7OO", "100", "50", "", "A", "B", "C", "D"}), 69, 2},
        {Fichier({"[Tarvo 2.5.3]", "1", "99999999999", "700", "100", "50", "", "A", "", "", ""}),
         69, 1},
        {Fichier({"[Tarvo 2.5.3]", "2", "800", "700", "100", "50 px", "", "A", "", "", ""}), 100, 2},
        // A size of 0 or less is never written: the file is damaged.
        {Fichier({"[Tarvo 2.5.3]", "2", "0", "700", "100", "50", "", "A", "", "", ""}), 69, 2},
        {"", 69, 5},
        // Ten lines: what was applied and read stays.
        {Fichier({"[Tarvo 2.5.3]", "2", "800", "700", "100", "50", "", "A", "B", "C"}), 100, 2,
         {"", "A", "B", "C", ""}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.contenu);
        Banc b;
        b.Lit(c.contenu);
        EXPECT_TRUE(b.Message("Tarvo - Initialisation", "Erreur de lecture du fichier Tarvo.ini"));
        EXPECT_TRUE(b.GeometrieDefaut());
        EXPECT_EQ(b.fenetre.GaucheCourante, c.gauche);
        EXPECT_EQ(b.etatLu, c.etatLu);
        EXPECT_EQ(b.historique, c.historique);
    }
}

TEST(ChargeParametres, UnFichierAbsentOuIlisibleDonneLaGeometrieParDefautSansMessage) {
    for (const bool present : {false, true}) {
        Banc b;
        if (present) b.memoire.Contenus[Ini] = Fichier({"[Tarvo 2.5.3]", "0", "800"});
        b.memoire.LectureEchoue.insert(Ini);
        ChargeParametres(b.historique, b.etatLu, b.services);
        EXPECT_TRUE(b.dialogues.Messages.empty());
        EXPECT_TRUE(b.GeometrieDefaut());
    }
}

TEST(EcritParametres, DispositionEtatDeLaFenetreEtBordsNegatifs) {
    Banc b;
    b.historique = {"/travail", "/m/é", "", "/m/B", ""};
    b.fenetre.GaucheCourante = -8;
    b.Ecrit();
    EXPECT_TRUE(b.dialogues.Messages.empty());
    EXPECT_EQ(b.memoire.Contenus, (std::map<std::string, std::string>{
                                      {Ini, "[Tarvo 2.5.3]\r\n0\r\n705\r\n1034\r\n0\r\n0\r\n\r\n"
                                            "/m/\xE9\r\n\r\n/m/B\r\n\r\n"}}));
    const auto etatEcrit = [](EtatFenetre etat, int etatLu) {
        Banc e;
        e.fenetre.EtatCourant = etat;
        e.etatLu = etatLu;
        e.Ecrit();
        return e.memoire.Contenus[Ini].substr(15, 1);
    };
    EXPECT_EQ(etatEcrit(EtatFenetre::Maximise, 0), "2");
    EXPECT_EQ(etatEcrit(EtatFenetre::Normal, 2), "0");
    EXPECT_EQ(etatEcrit(EtatFenetre::Minimise, 2), "2");
    EXPECT_EQ(etatEcrit(EtatFenetre::Minimise, 1), "1");
}

TEST(EcritParametres, UnEchecPrevientSansLaisserDeFichierPartiel) {
    // A failed write leaves half a file in this fake, as a full disk does.
    for (const bool ecriture : {true, false}) {
        Banc b;
        b.memoire.Contenus[Ini] = "ancien";
        if (ecriture) b.memoire.EcritureEchoue.insert(Temporaire);
        else b.memoire.SuppressionEchoue.insert(Ini);
        b.Ecrit();
        EXPECT_TRUE(b.Message("Tarvo - Configuration", "Erreur d'écriture du fichier Tarvo.ini"));
        EXPECT_EQ(b.memoire.Contenus, (std::map<std::string, std::string>{{Ini, "ancien"}}));
    }
}

TEST(EcritParametres, CeQuiEstEcritSeRelitALIdentique) {
    // 8-bit text; text that needs UTF-8; 8-bit text whose bytes would read as UTF-8; an
    // entry that cannot stay on one line is left out.
    const std::pair<Historique, Historique> cas[] = {
        {{"", "/m/Déjà vu", "", "/m/C", ""}, {"", "/m/Déjà vu", "", "/m/C", ""}},
        {{"", "/m/Łódź Ω", "/m/é", "", ""}, {"", "/m/Łódź Ω", "/m/é", "", ""}},
        {{"", "/m/Ã©", "", "", ""}, {"", "/m/Ã©", "", "", ""}},
        {{"", "/m/A", "/m/deux\nlignes", "/m/C\r", "/m/D"}, {"", "/m/A", "", "", "/m/D"}},
    };
    for (const auto& [ecrit, relu] : cas) {
        Banc avant, apres;
        avant.fenetre.EtatCourant = EtatFenetre::Minimise;
        avant.fenetre.GaucheCourante = 12;
        avant.historique = ecrit;
        avant.etatLu = 1;
        avant.Ecrit();
        apres.memoire.Contenus = avant.memoire.Contenus;
        ChargeParametres(apres.historique, apres.etatLu, apres.services);
        EXPECT_TRUE(apres.dialogues.Messages.empty());
        EXPECT_EQ(apres.historique, relu);
        EXPECT_EQ(apres.etatLu, 1);
        EXPECT_EQ(apres.Geometrie(), avant.Geometrie());
    }
}

TEST(Parametres, UnDossierALaPlaceDuFichierNEstNiLuNiRemplace) {
    std::string modele = (std::filesystem::temp_directory_path() / "tarvo-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modele.data()), nullptr);
    const std::filesystem::path dossier = modele;
    FichiersPosix posix;
    Banc b;
    b.systeme.Configuration = modele + "/";
    const Services services{posix, b.dialogues, b.systeme, b.fenetre};
    // Replacing a real file goes through.
    b.historique[1] = "/m/A";
    EcritParametres(b.historique, 0, services);
    EcritParametres(b.historique, 0, services);
    Historique relu{};
    LitParametres(*posix.Lit(modele + "/Tarvo.ini"), relu, b.etatLu, services);
    EXPECT_EQ(relu, b.historique);
    EXPECT_TRUE(b.dialogues.Messages.empty());

    std::filesystem::remove(dossier / "Tarvo.ini");
    std::filesystem::create_directory(dossier / "Tarvo.ini");
    ChargeParametres(b.historique, b.etatLu, services);
    EXPECT_TRUE(b.dialogues.Messages.empty());
    EXPECT_TRUE(b.GeometrieDefaut());
    EcritParametres(b.historique, 0, services);
    EXPECT_TRUE(b.Message("Tarvo - Configuration", "Erreur d'écriture du fichier Tarvo.ini"));
    EXPECT_TRUE(std::filesystem::is_directory(dossier / "Tarvo.ini"));
    EXPECT_FALSE(std::filesystem::exists(dossier / "Tarvo.ini.tmp"));
    std::filesystem::remove_all(dossier);
}

} // namespace
} // namespace tarvo
