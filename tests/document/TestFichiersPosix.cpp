// The file system of the system itself, in a temporary folder: what the document code
// relies on (no rename over an existing file, trailing blanks ignored, complete writes), and
// the save procedures on a real disk when a step fails. The tests run as root, so failures
// come from the layout of the folder (a missing folder, a folder where a file is expected),
// not from permissions.

#include "Fabrique.h"

#include "document/Enregistrement.h"
#include "document/Lecteur.h"
#include "platform/Services.h"
#include "posix/FichiersPosix.h"
#include "support/FenetreFactice.h"
#include "support/SystemeFixe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo::test {
namespace {

namespace fs = std::filesystem;

class FichiersReels : public ::testing::Test {
protected:
    void SetUp() override {
        std::string modele = (fs::temp_directory_path() / "tarvo-essai-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modele.data()), nullptr);
        dossier = modele;
    }
    void TearDown() override { fs::remove_all(dossier); }

    std::string Chemin(const std::string& nom) const { return (dossier / nom).string(); }
    void Pose(const std::string& nom, const std::string& contenu) const {
        std::ofstream(dossier / nom, std::ios::binary) << contenu;
    }
    std::string Contenu(const std::string& nom) const {
        std::ifstream f(dossier / nom, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    // The names in the folder, sorted.
    std::vector<std::string> Noms() const {
        std::vector<std::string> noms;
        for (const auto& e : fs::directory_iterator(dossier)) noms.push_back(e.path().filename().string());
        std::sort(noms.begin(), noms.end());
        return noms;
    }

    fs::path dossier;
    FichiersPosix fichiers;
};

TEST_F(FichiersReels, RenommerNeRemplaceJamaisUnFichier) {
    Pose("a.bdc", "A");
    Pose("b.bdc", "B");
    EXPECT_FALSE(fichiers.Renomme(Chemin("a.bdc"), Chemin("b.bdc")));
    EXPECT_EQ(Contenu("a.bdc"), "A");
    EXPECT_EQ(Contenu("b.bdc"), "B");
    // Nor a folder.
    fs::create_directory(dossier / "d.bdc");
    EXPECT_FALSE(fichiers.Renomme(Chemin("a.bdc"), Chemin("d.bdc")));
    EXPECT_EQ(Contenu("a.bdc"), "A");

    EXPECT_TRUE(fichiers.Renomme(Chemin("a.bdc"), Chemin("c.bdc")));
    EXPECT_EQ(Noms(), (std::vector<std::string>{"b.bdc", "c.bdc", "d.bdc"}));
    EXPECT_EQ(Contenu("c.bdc"), "A");
    EXPECT_FALSE(fichiers.Renomme(Chemin("absent.bdc"), Chemin("e.bdc")));
}

TEST_F(FichiersReels, LesBlancsFinauxDuNomSontIgnores) {
    EXPECT_TRUE(fichiers.Ecrit(Chemin("miroir.bdc  "), "contenu"));
    EXPECT_EQ(Noms(), std::vector<std::string>{"miroir.bdc"});
    EXPECT_TRUE(fichiers.Existe(Chemin("miroir.bdc ")));
    EXPECT_EQ(fichiers.Lit(Chemin("miroir.bdc   ")), "contenu");
    EXPECT_TRUE(fichiers.Renomme(Chemin("miroir.bdc "), Chemin("autre.bdc ")));
    EXPECT_EQ(Noms(), std::vector<std::string>{"autre.bdc"});
    EXPECT_TRUE(fichiers.Supprime(Chemin("autre.bdc  ")));
    EXPECT_TRUE(Noms().empty());
    // A name of blanks only names nothing.
    EXPECT_FALSE(fichiers.Ecrit("   ", "x"));
    EXPECT_FALSE(fichiers.Existe("  "));
}

TEST_F(FichiersReels, EcrireRelireEtCasLimites) {
    // Every byte value, CR and LF as they are, and more than one read buffer.
    std::string octets;
    for (int i = 0; i < 200000; ++i) octets += static_cast<char>(i * 7 % 256);
    EXPECT_TRUE(fichiers.Ecrit(Chemin("gros.bdc"), octets));
    EXPECT_EQ(fichiers.Lit(Chemin("gros.bdc")), octets);
    // Writing again empties the file first.
    EXPECT_TRUE(fichiers.Ecrit(Chemin("gros.bdc"), "court"));
    EXPECT_EQ(fichiers.Lit(Chemin("gros.bdc")), "court");
    EXPECT_TRUE(fichiers.Ecrit(Chemin("vide.bdc"), ""));
    EXPECT_EQ(fichiers.Lit(Chemin("vide.bdc")), "");

    EXPECT_EQ(fichiers.Lit(Chemin("absent.bdc")), std::nullopt);
    EXPECT_FALSE(fichiers.Existe(Chemin("absent.bdc")));
    EXPECT_FALSE(fichiers.Supprime(Chemin("absent.bdc")));
    // A folder is not a document: it is not read, not written, not deleted as a file.
    fs::create_directory(dossier / "dossier.bdc");
    EXPECT_TRUE(fichiers.Existe(Chemin("dossier.bdc")));
    EXPECT_EQ(fichiers.Lit(Chemin("dossier.bdc")), std::nullopt);
    EXPECT_FALSE(fichiers.Ecrit(Chemin("dossier.bdc"), "x"));
    EXPECT_FALSE(fichiers.Supprime(Chemin("dossier.bdc")));
    EXPECT_TRUE(fs::is_directory(dossier / "dossier.bdc"));
    // Nothing is written in a folder that does not exist, or under a file.
    EXPECT_FALSE(fichiers.Ecrit(Chemin("absent/m.bdc"), "x"));
    EXPECT_FALSE(fichiers.Ecrit(Chemin("vide.bdc/m.bdc"), "x"));
    EXPECT_FALSE(fs::exists(dossier / "absent"));
}

// A full disk as the system makes one: a small file system in memory where the tests may mount
// one (root), else a limit on the size of the files this process writes.
struct DisquePlein {
    explicit DisquePlein(const fs::path& dossier) : Dossier(dossier / "plein") {
        fs::create_directory(Dossier);
        Monte = ::mount("tarvo", Dossier.c_str(), "tmpfs", 0, "size=16k") == 0;
        if (!Monte) {
            ::getrlimit(RLIMIT_FSIZE, &Avant);
            rlimit petite = Avant;
            petite.rlim_cur = 16 * 1024;
            ::setrlimit(RLIMIT_FSIZE, &petite);
            std::signal(SIGXFSZ, SIG_IGN);
        }
    }
    ~DisquePlein() {
        if (Monte)
            ::umount(Dossier.c_str());
        else
            ::setrlimit(RLIMIT_FSIZE, &Avant);
    }
    CauseEchec Cause() const { return Monte ? CauseEchec::DisquePlein : CauseEchec::TropGrand; }
    fs::path Dossier;
    bool Monte = false;
    rlimit Avant{};
};

// An output is written whole or not at all: every failure leaves the target as it was and
// nothing beside it; a success replaces a file (its permissions kept), never a folder, a
// device or a link.
TEST_F(FichiersReels, UneSortieEstEcriteEntiereOuPasDuTout) {
    const std::string sortie(40 * 1024, 'N');
    struct Cas {
        const char* Nom;
        std::function<std::string()> Prepare; // the target
        CauseEchec Cause;
    };
    const Cas cas[] = {
        {"nouveau", [this] { return Chemin("p.pdf"); }, CauseEchec::Aucune},
        {"remplace",
         [this] {
             Pose("p.pdf", "ANCIEN");
             fs::permissions(dossier / "p.pdf", fs::perms(0640));
             return Chemin("p.pdf");
         },
         CauseEchec::Aucune},
        {"dossier",
         [this] {
             fs::create_directory(dossier / "p.pdf");
             return Chemin("p.pdf");
         },
         CauseEchec::Dossier},
        {"peripherique", [] { return std::string("/dev/full"); },
         CauseEchec::PasUnFichier},
        {"sans dossier", [this] { return Chemin("absent/p.pdf"); },
         CauseEchec::DossierAbsent},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.Nom);
        fs::remove_all(dossier);
        fs::create_directory(dossier);
        const std::string cible = c.Prepare();
        const std::vector<std::string> avant = Noms();
        const std::string ancien = fs::is_regular_file(cible) ? Contenu("p.pdf") : "";
        const ResultatEcriture r = fichiers.EcritSortie(cible, sortie);
        EXPECT_EQ(r.Cause, c.Cause);
        EXPECT_EQ(Noms(), avant.empty() && r.Reussie() ? std::vector<std::string>{"p.pdf"} : avant);
        if (r.Reussie()) {
            EXPECT_EQ(Contenu("p.pdf"), sortie);
        } else if (!ancien.empty()) {
            EXPECT_EQ(Contenu("p.pdf"), ancien);
        }
    }
    EXPECT_TRUE(fs::is_character_file("/dev/full"));

    // The replaced file keeps its permissions; the link stays a link to the new content.
    fs::remove_all(dossier);
    fs::create_directory(dossier);
    Pose("p.pdf", "ANCIEN");
    fs::permissions(dossier / "p.pdf", fs::perms(0640));
    Pose("vrai.pdf", "ANCIEN");
    fs::create_symlink("vrai.pdf", dossier / "lien.pdf");
    ASSERT_TRUE(fichiers.EcritSortie(Chemin("p.pdf"), sortie).Reussie());
    ASSERT_TRUE(fichiers.EcritSortie(Chemin("lien.pdf"), sortie).Reussie());
    EXPECT_EQ(fs::status(dossier / "p.pdf").permissions(), fs::perms(0640));
    EXPECT_TRUE(fs::is_symlink(dossier / "lien.pdf"));
    EXPECT_EQ(Contenu("vrai.pdf"), sortie);

    // A disk too full for the new content: the old one stays, alone.
    const DisquePlein plein(dossier);
    const std::string cible = (plein.Dossier / "p.pdf").string();
    std::ofstream(cible, std::ios::binary) << "ANCIEN";
    EXPECT_EQ(fichiers.EcritSortie(cible, sortie).Cause, plein.Cause());
    EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(plein.Dossier), {}),
              std::vector<fs::path>{cible});
    std::ifstream relu(cible, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(relu), {}), "ANCIEN");
}

// Standard output's failures, each with its cause: a full device, a closed descriptor, a
// reader gone (the program then ends quietly).
TEST(SortieStandard, ChaqueEchecASaCause) {
    const int plein = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(plein, 0);
    EXPECT_EQ(EcritDescripteur(plein, "x").Cause, CauseEchec::DisquePlein);
    ::close(plein);
    EXPECT_EQ(EcritDescripteur(plein, "x").Cause, CauseEchec::SortieFermee);
    int tube[2];
    ASSERT_EQ(::pipe(tube), 0);
    ::close(tube[0]);
    const auto avant = std::signal(SIGPIPE, SIG_IGN);
    EXPECT_EQ(EcritDescripteur(tube[1], "x").Cause, CauseEchec::LecteurParti);
    std::signal(SIGPIPE, avant);
    ::close(tube[1]);
}

// The save procedures on the disk.
class EnregistrementReel : public FichiersReels {
protected:
    void SetUp() override {
        FichiersReels::SetUp();
        std::vector<SerieTest> series(2);
        series[0].Date = "46001";
        series[0].Commentaire = {"\"Première\""};
        series[1].Date = "46002";
        ancien = Joint(FichierVersion2(series));
        Pose("m.bdc", ancien);
        InitialiseDocument(doc, systeme.Jour);
        doc.NomFichier = doc.NomPropose = Chemin("m.bdc");
        LireDocument(doc, fichiers, dialogues);
        doc.NombreSeries = doc.SerieCourante;
        ASSERT_EQ(doc.NombreSeries, 2);
        doc.Lectures[1][1][1] = 9;
        doc.Modifie = true;
    }
    // No temporary file is left, whatever happened.
    void AucunTemporaire() const {
        for (const auto& e : fs::recursive_directory_iterator(dossier))
            EXPECT_FALSE(e.is_regular_file() && e.path().extension() == ".tmp") << e.path();
    }
    Document Relit(const std::string& nom) {
        Lu lu;
        FichiersPosix f;
        InitialiseDocument(lu.doc, systeme.Jour);
        lu.doc.NomFichier = Chemin(nom);
        LireDocument(lu.doc, f, lu.dialogues);
        EXPECT_TRUE(lu.dialogues.Messages.empty());
        return lu.doc;
    }

    std::string ancien;
    Document doc;
    DialoguesEnregistres dialogues;
    SystemeFixe systeme;
    FenetreFactice fenetre;
    Services services{fichiers, dialogues, systeme, fenetre};
    Historique historique;
};

TEST_F(EnregistrementReel, EnregistrerGardeLaVersionPrecedenteEnSecours) {
    EnregistreDocument(doc, services, historique);
    ASSERT_TRUE(doc.EnregistrementReussi);
    EXPECT_EQ(Noms(), (std::vector<std::string>{"m.bak", "m.bdc"}));
    EXPECT_EQ(Contenu("m.bak"), ancien);
    EXPECT_EQ(Relit("m.bdc").Lectures[1][1][1], 9);
    // The next save replaces the backup with the content just saved.
    const std::string premier = Contenu("m.bdc");
    doc.Lectures[1][1][1] = 10;
    EnregistreDocument(doc, services, historique);
    ASSERT_TRUE(doc.EnregistrementReussi);
    EXPECT_EQ(Contenu("m.bak"), premier);
    EXPECT_EQ(Relit("m.bdc").Lectures[1][1][1], 10);
    AucunTemporaire();
}

TEST_F(EnregistrementReel, EnregistrerSousDansUnDossierAbsentNeChangeRien) {
    dialogues.FichiersChoisis.push_back(Chemin("absent/copie"));
    EnregistreSous(doc, services, historique);
    EXPECT_FALSE(doc.EnregistrementReussi);
    EXPECT_EQ(doc.NomFichier, Chemin("m.bdc"));
    EXPECT_TRUE(doc.Modifie);
    EXPECT_EQ(Noms(), std::vector<std::string>{"m.bdc"});
    EXPECT_EQ(Contenu("m.bdc"), ancien);
    ASSERT_EQ(dialogues.Messages.size(), 1u);
    EXPECT_EQ(dialogues.Messages[0].Texte, "Erreur fichier");
}

TEST_F(EnregistrementReel, UnDossierALaPlaceDuTemporaireNeChangeRien) {
    fs::create_directory(dossier / "m.tmp");
    EnregistreDocument(doc, services, historique);
    EXPECT_FALSE(doc.EnregistrementReussi);
    EXPECT_TRUE(doc.Modifie);
    EXPECT_EQ(Contenu("m.bdc"), ancien);
    EXPECT_EQ(Noms(), (std::vector<std::string>{"m.bdc", "m.tmp"}));
    EXPECT_TRUE(fs::is_directory(dossier / "m.tmp"));
    AucunTemporaire();
}

TEST_F(EnregistrementReel, UnDossierALaPlaceDuSecoursNeChangeRien) {
    // The old backup cannot be deleted: the document keeps its content and its name.
    fs::create_directories(dossier / "m.bak" / "dedans");
    EnregistreDocument(doc, services, historique);
    EXPECT_FALSE(doc.EnregistrementReussi);
    EXPECT_EQ(Contenu("m.bdc"), ancien);
    EXPECT_EQ(Noms(), (std::vector<std::string>{"m.bak", "m.bdc"}));
    AucunTemporaire();
    ASSERT_EQ(dialogues.Messages.size(), 1u);
    EXPECT_EQ(dialogues.Messages[0].Texte,
              "Le fichier " + Chemin("m.bdc") + " n'a pas pu être enregistré.");
}

TEST_F(EnregistrementReel, UnDocumentDevenuIllisibleNEstPasRemplace) {
    // The document file became a folder since it was opened: nothing to copy the older
    // series from, so nothing is written.
    fs::rename(dossier / "m.bdc", dossier / "m.vieux");
    fs::create_directory(dossier / "m.bdc");
    EnregistreDocument(doc, services, historique);
    EXPECT_FALSE(doc.EnregistrementReussi);
    EXPECT_TRUE(fs::is_directory(dossier / "m.bdc"));
    EXPECT_EQ(Contenu("m.vieux"), ancien);
    AucunTemporaire();
}

TEST_F(EnregistrementReel, UnDocumentTronqueDepuisLOuvertureNEstPasRemplace) {
    // Another program cut the file short: the older series cannot all be copied, and the
    // writer's error keeps the file as it is (truncated, but not replaced by less).
    const std::string tronque = ancien.substr(0, ancien.size() / 3);
    Pose("m.bdc", tronque);
    EnregistreDocument(doc, services, historique);
    EXPECT_FALSE(doc.EnregistrementReussi);
    EXPECT_EQ(Contenu("m.bdc"), tronque);
    EXPECT_EQ(Noms(), std::vector<std::string>{"m.bdc"});
    ASSERT_EQ(dialogues.Messages.size(), 1u);
    EXPECT_EQ(dialogues.Messages[0].Texte, "Erreur de lecture d'un fichier");
}

TEST_F(EnregistrementReel, EnregistrerSousSurUnFichierExistant) {
    Pose("copie.bdc", "ancienne copie");
    Pose("copie.bak", "vieux secours");
    dialogues.FichiersChoisis.push_back(Chemin("copie"));
    dialogues.Reponses.push_back(Reponse::Oui);
    EnregistreSous(doc, services, historique);
    ASSERT_TRUE(doc.EnregistrementReussi);
    EXPECT_EQ(doc.NomFichier, Chemin("copie.bdc"));
    EXPECT_EQ(Contenu("copie.bak"), "ancienne copie");
    EXPECT_EQ(Contenu("m.bdc"), ancien);
    const Document relu = Relit("copie.bdc");
    EXPECT_EQ(relu.SerieCourante, 2);
    EXPECT_EQ(relu.Lectures[1][1][1], 9);
    AucunTemporaire();
}

} // namespace
} // namespace tarvo::test
