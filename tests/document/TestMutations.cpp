// A deterministic mutation run of the reader and the writer: documents of every version,
// damaged in the ways files get damaged (and some worse), must never crash the program, put
// a count or a value out of range, or be saved into a file that does not read back.

#include "Fabrique.h"
#include "MutationVerification.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>

namespace tarvo::test {
namespace {

// TARVO_MUTATIONS in the environment changes the number of inputs, for a longer run.
int NombreEssais() {
    const char* n = std::getenv("TARVO_MUTATIONS");
    return n != nullptr ? std::atoi(n) : 100000;
}

std::string LitFichier(const std::filesystem::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// The documents the mutations start from: the examples, the golden inputs, and small files
// of each layout (small, so that a mutation hits a structural line often).
std::vector<std::string> Modeles() {
    std::vector<std::string> modeles;
    const std::filesystem::path racine = TARVO_SOURCE_DIR;
    for (const auto* dossier : {"examples", "tests/document/golden"})
        for (const auto& entree : std::filesystem::directory_iterator(racine / dossier))
            if (entree.path().extension() == ".bdc" &&
                entree.path().filename().string().find(".attendu") == std::string::npos)
                modeles.push_back(LitFichier(entree.path()));
    std::sort(modeles.begin(), modeles.end());

    std::vector<SerieTest> series(3);
    series[0].Commentaire = {"\"Première\""};
    series[1].Commentaire = {"\"Deux", "", "lignes\""};
    series[2].Date = "46310";
    modeles.push_back(Joint(FichierVersion2(series)));
    modeles.push_back(Joint(FichierVersion2(series, "tarvo 2.0")));
    modeles.push_back(Joint(FichierVersion2({series[1], series[0]}, "tarvo 2.5.3", "35")));

    std::vector<std::string> v1 = {"Tarvo 1.3", "\"Ancien\"", "\"150\"", "\"1200\"", "\"20\"",
                                   "\"-1\"", "\"1\"", "\"75\""};
    for (const char* date : {"\"38000\"", "\"38010\""})
        for (int r = -1; r < 40; ++r) v1.push_back(r < 0 ? date : r == 1 ? "\"0,5\"" : "\"1\"");
    modeles.push_back(Joint(v1));

    std::vector<std::string> k = {"KESTRAN 3", "\"250\"", "\"1500\"", "\"30\"", "\"Claude\"",
                                  "\"-1\"", "\"14/03/1998\"", "\"0\""};
    for (int r = 0; r < 20; ++r) k.push_back(r % 3 == 0 ? "\"1\"" : "\"0\"");
    modeles.push_back(Joint(k));
    return modeles;
}

// Damages a document file. Line operations work on the pieces between LF bytes, so that a
// file keeps its own line ends unless a mutation changes them.
class Mutateur {
public:
    explicit Mutateur(std::uint64_t graine) : alea_(graine) {}

    std::string Mute(std::string octets, const std::vector<std::string>& modeles) {
        const int nombre = 1 + Entre(0, 3);
        for (int m = 0; m < nombre; ++m) octets = UneMutation(std::move(octets), modeles);
        return octets;
    }

private:
    int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea_); }
    template <class T> const T& Parmi(const std::vector<T>& v) {
        return v[static_cast<std::size_t>(Entre(0, static_cast<int>(v.size()) - 1))];
    }

    static std::vector<std::string> Lignes(const std::string& octets) {
        std::vector<std::string> lignes;
        std::size_t debut = 0;
        for (;;) {
            const auto fin = octets.find('\n', debut);
            if (fin == std::string::npos) {
                lignes.push_back(octets.substr(debut));
                return lignes;
            }
            lignes.push_back(octets.substr(debut, fin - debut));
            debut = fin + 1;
        }
    }
    static std::string Joint(const std::vector<std::string>& lignes) {
        std::string octets;
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            if (i > 0) octets += '\n';
            octets += lignes[i];
        }
        return octets;
    }
    // Line end of a piece, so that a replaced line keeps the file's style.
    static std::string Fin(const std::string& ligne) {
        return !ligne.empty() && ligne.back() == '\r' ? "\r" : "";
    }
    std::size_t Indice(const std::vector<std::string>& lignes) {
        return static_cast<std::size_t>(Entre(0, static_cast<int>(lignes.size()) - 1));
    }
    // Index of the zone-count line for the layout of the first line.
    static std::size_t LigneDesZones(const std::vector<std::string>& lignes) {
        const std::string& s = lignes.front();
        if (s.find("Tarvo 1") != std::string::npos) return 6;
        if (s.find("KESTRAN") != std::string::npos) return 7;
        if (s.find("tarvo 2.0") != std::string::npos) return 6;
        return 7;
    }

    std::string UneMutation(std::string octets, const std::vector<std::string>& modeles) {
        static const std::vector<std::string> Extremes = {
            "\"1E308\"", "\"99999999999\"", "\"-0\"", "\"\"", "\"", "", "\"1,5,2\"", "\"+1\"",
            "\" . \"", "\"0,00005\"", "\"5E-5\"", "\"-1\"", "\"2147483648\"", "\"4294967297\"",
            "\"-\"", "\"0\"", "\"1e400\"", "\"-2147483649\"", "\"12a\"", "\"1 500,25\"",
            "\"" + std::string(400, '9') + "\"", "\"1" + std::string(308, '0') + "\"",
            "\"-1" + std::string(308, '0') + ",5\"", "\"0," + std::string(400, '0') + "1\"",
            "\"0,000000000000000000000000000000000000000000001\"", "\"1E3\"", "\"ééé\"",
            "\"0\xC3\x28\"", "\"9" + std::string(20, '9') + "E\"", "\"e\"", "\"1e5\"", "\" 1 \""};
        static const std::vector<std::string> Signatures = {
            "tarvo 2.5.3", "tarvo 2.0", "tarvo 2.1", "tarvo 2", "tarvo 2.", "tarvo 2.0.1",
            "Tarvo 1.2", "Tarvo 1", "KESTRAN 3.0", "KESTRAN", "\"tarvo 2.5.3\"", "\"Tarvo 1.0\"",
            "tarvo 1.0", "TARVO 2.5", "", "\"", "tarvo 2\xE9\xE9", "tarvo 2.\xC3\xA9\xC3\xA9",
            "\xEF\xBB\xBFtarvo 2.5.3", "KESTRAN \xFF", "\"KESTRAN\"", "tarvo 2 5 3"};
        static const std::vector<std::string> Inserees = {
            "\"-\"", "\"\"", "\"0\"", "", "\"abc", "def\"", "\"", "\"\xE9t\xE9\"", "\"1\"",
            "\"" + std::string(3000, 'x'), "\"x\"", "\"-\"\"-\"", " \"-\"", "\"1\"\"", "\r"};
        static const std::vector<std::string> Zones = {
            "\"0\"", "\"1\"", "\"2\"", "\"3\"", "\"4\"", "\"5\"", "\"6\"", "\"7\"", "\"8\"",
            "\"9\"", "\"10\"", "\"11\"", "\"12\"", "\"99999\"", "\"2147483647\"", "\"-3\"",
            "\"1E9\"", "\"1,0\"", "\" 4 \"", "\"4x\""};

        if (octets.empty()) octets = Parmi(modeles);
        auto lignes = Lignes(octets);
        switch (Entre(0, 15)) {
        case 0: { // a flipped bit
            const auto i = static_cast<std::size_t>(Entre(0, static_cast<int>(octets.size()) - 1));
            octets[i] = static_cast<char>(octets[i] ^ (1 << Entre(0, 7)));
            return octets;
        }
        case 1: // a line lost
            if (lignes.size() > 1) lignes.erase(lignes.begin() + static_cast<long>(Indice(lignes)));
            break;
        case 2: { // a line doubled
            const auto i = Indice(lignes);
            lignes.insert(lignes.begin() + static_cast<long>(i), lignes[i]);
            break;
        }
        case 3: // two lines swapped
            std::swap(lignes[Indice(lignes)], lignes[Indice(lignes)]);
            break;
        case 4:
        case 5: { // a value replaced by an extreme or malformed one
            auto& l = lignes[Indice(lignes)];
            l = Parmi(Extremes) + Fin(l);
            break;
        }
        case 6: { // quotes removed from a line
            auto& l = lignes[Indice(lignes)];
            std::erase(l, '"');
            break;
        }
        case 7: { // line ends changed
            switch (Entre(0, 3)) {
            case 0: std::erase(octets, '\r'); return octets;
            case 1: {
                auto& l = lignes[Indice(lignes)];
                if (Fin(l).empty()) l += '\r'; else l.pop_back();
                break;
            }
            case 2: { // a lone CR in place of a line end
                const auto p = octets.find('\n', static_cast<std::size_t>(Entre(0, static_cast<int>(octets.size()))));
                if (p != std::string::npos) octets[p] = '\r';
                return octets;
            }
            default: // no final line end, or a blank line at the end
                if (!octets.empty() && octets.back() == '\n') {
                    octets.pop_back();
                    if (!octets.empty() && octets.back() == '\r') octets.pop_back();
                } else {
                    octets += "\r\n\r\n";
                }
                return octets;
            }
            break;
        }
        case 8: // cut short
            octets.resize(static_cast<std::size_t>(Entre(0, static_cast<int>(octets.size()))));
            return octets;
        case 9: { // another zone count
            const auto i = LigneDesZones(lignes);
            if (i < lignes.size()) lignes[i] = Parmi(Zones) + Fin(lignes[i]);
            break;
        }
        case 10: // another signature
            lignes[0] = Parmi(Signatures) + Fin(lignes[0]);
            break;
        case 11: { // a line inserted
            const auto i = Indice(lignes);
            lignes.insert(lignes.begin() + static_cast<long>(i), Parmi(Inserees) + Fin(lignes[i]));
            break;
        }
        case 12: { // a line of random bytes
            std::string l;
            for (int n = Entre(0, 12); n > 0; --n) l += static_cast<char>(Entre(1, 255));
            std::erase(l, '\n');
            lignes[Indice(lignes)] = l;
            break;
        }
        case 13: { // the lines of another document spliced in
            const auto autres = Lignes(Parmi(modeles));
            const auto a = static_cast<std::size_t>(Entre(0, static_cast<int>(autres.size()) - 1));
            const auto b = std::min(autres.size(), a + static_cast<std::size_t>(Entre(1, 70)));
            const auto i = Indice(lignes);
            lignes.insert(lignes.begin() + static_cast<long>(i), autres.begin() + static_cast<long>(a),
                          autres.begin() + static_cast<long>(b));
            break;
        }
        case 14: { // a block of lines repeated (a series twice) or removed
            const auto a = Indice(lignes);
            const auto b = std::min(lignes.size(), a + static_cast<std::size_t>(Entre(1, 70)));
            std::vector<std::string> bloc(lignes.begin() + static_cast<long>(a),
                                          lignes.begin() + static_cast<long>(b));
            if (Entre(0, 1) == 0)
                lignes.insert(lignes.begin() + static_cast<long>(b), bloc.begin(), bloc.end());
            else
                lignes.erase(lignes.begin() + static_cast<long>(a), lignes.begin() + static_cast<long>(b));
            if (lignes.empty()) lignes.emplace_back();
            break;
        }
        default: { // text in the other encoding: a byte-order mark or a stray high byte
            if (Entre(0, 1) == 0) return "\xEF\xBB\xBF" + octets;
            auto& l = lignes[Indice(lignes)];
            l.insert(static_cast<std::size_t>(Entre(0, static_cast<int>(l.size()))), 1,
                     static_cast<char>(Entre(0x80, 0xFF)));
            break;
        }
        }
        return Joint(lignes);
    }

    std::mt19937_64 alea_;
};

// The kind of a broken rule: its text without the figures of the case.
std::string Sorte(const std::string& erreur) {
    return erreur.substr(0, erreur.find_first_of("0123456789(«["));
}

// Drops lines while the same kind of rule still breaks, to report a short input.
std::string Reduit(std::string octets, const std::string& erreur) {
    const auto regle = Sorte(erreur);
    bool reduit = true;
    while (reduit) {
        reduit = false;
        for (std::size_t debut = 0; debut < octets.size();) {
            auto fin = octets.find('\n', debut);
            fin = fin == std::string::npos ? octets.size() : fin + 1;
            std::string essai = octets;
            essai.erase(debut, fin - debut);
            const std::string e = VerifieDocument(essai, Etendue::Rapide);
            if (!e.empty() && Sorte(e) == regle) {
                octets = std::move(essai);
                reduit = true;
            } else {
                debut = fin;
            }
        }
    }
    return octets;
}

std::string Echappe(const std::string& octets) {
    std::ostringstream s;
    for (const char c : octets) {
        const auto o = static_cast<unsigned char>(c);
        if (c == '\n') s << "\\n\n";
        else if (c == '\r') s << "\\r";
        else if (o < 0x20 || o >= 0x7F) s << "\\x" << std::hex << static_cast<int>(o) << std::dec;
        else s << c;
    }
    return s.str();
}

TEST(Mutations, AucunFichierAbimeNeCasseLaLectureNiLEnregistrement) {
    const auto modeles = Modeles();
    ASSERT_GE(modeles.size(), 8u);
    // Each base file must itself pass, or every mutation of it would fail for the same reason.
    for (const auto& m : modeles) ASSERT_EQ(VerifieDocument(m), "") << Echappe(m);

    const auto debut = std::chrono::steady_clock::now();
    Mutateur mutateur(20261209);
    std::mt19937_64 choix(7);
    const int essais = NombreEssais();
    int echecs = 0;
    // One report per kind of broken rule (the rule without its figures).
    std::map<std::string, int> sortes;
    for (int essai = 0; essai < essais; ++essai) {
        const auto& modele = modeles[choix() % modeles.size()];
        const std::string octets = mutateur.Mute(modele, modeles);
        // The file changed on disk since the program read it as the model.
        const std::string erreur = VerifieDocument(octets, Etendue::Rapide, nullptr, modele);
        if (erreur.empty()) continue;
        ++echecs;
        const std::string sorte = Sorte(erreur);
        if (++sortes[sorte] == 1 && sortes.size() <= 10) {
            // The input is kept beside the test, for TARVO_REJOUE.
            const std::string court = Reduit(octets, erreur);
            const std::string nom = "faute-mutation-" + std::to_string(essai) + ".bdc";
            std::ofstream(nom, std::ios::binary) << court;
            ADD_FAILURE() << "essai " << essai << " : " << erreur << "\nentrée réduite (" << nom
                          << ") :\n"
                          << Echappe(court) << "\n(" << VerifieDocument(court, Etendue::Rapide) << ")";
        }
    }
    for (const auto& [sorte, nombre] : sortes) std::cout << nombre << " × " << sorte << "\n";
    EXPECT_EQ(echecs, 0) << "entrées en faute sur " << essais;
    const auto duree = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut);
    std::cout << essais << " entrées en " << duree.count() << " s\n";
}

// Faults the mutation run found, each on its smallest input.

// Opens `octets` as m.bdc, saves it under copie.bdc and opens that; the reads' messages are
// kept apart.
struct AllerRetourFichier {
    explicit AllerRetourFichier(const std::string& octets) {
        fichiers.Contenus["m.bdc"] = octets;
        Ouvre(ouvert, fichiers, "m.bdc");
        std::map<std::string, std::string> apres;
        erreur = VerifieDocument(octets, Etendue::Complete, &apres);
        fichiers.Contenus = apres;
        if (fichiers.Contenus.count("copie.bdc") != 0) Ouvre(relu, fichiers, "copie.bdc");
    }
    FichiersMemoire fichiers;
    Lu ouvert, relu;
    std::string erreur;
};

std::vector<std::string> Rangees(int zones, const std::string& valeur = "\"0\"") {
    std::vector<std::string> l;
    for (int r = 0; r < 20 * (zones + 1); ++r) l.push_back(valeur);
    return l;
}

// A series dated 0 (a version-1 file may hold one; -0 reads as a series in any version) is
// written with the date line "0", which ends the list of series: it and every later series
// disappear from the saved file. A version-1 date that rounds to 0 ends it one series later.
TEST(FautesTrouvees, UneSerieDateeZeroResteDansLeFichierEnregistre) {
    std::vector<std::string> v1 = {"Tarvo 1.2", "\"Ancien\"", "\"150\"", "\"1200\"", "\"20\"",
                                   "\"-1\"", "\"1\"", "\"75\""};
    for (const char* date : {"\"0\"", "\"38010\""}) {
        v1.push_back(date);
        for (const auto& l : Rangees(1)) v1.push_back(l);
    }
    const AllerRetourFichier version1(Joint(v1));
    ASSERT_TRUE(version1.ouvert.dialogues.Messages.empty());
    ASSERT_EQ(version1.ouvert.doc.NombreSeries, 2);
    EXPECT_EQ(version1.relu.doc.NombreSeries, 2);
    // A date that rounds to 0 ends the list after its own series.
    v1[8] = "\"0,3\"";
    const AllerRetourFichier arrondi(Joint(v1));
    ASSERT_EQ(arrondi.ouvert.doc.NombreSeries, 2);
    EXPECT_EQ(arrondi.relu.doc.NombreSeries, 2);

    SerieTest moinsZero;
    moinsZero.Date = "-0";
    const AllerRetourFichier version2(Joint(FichierVersion2({SerieTest(), moinsZero})));
    ASSERT_TRUE(version2.ouvert.dialogues.Messages.empty());
    ASSERT_EQ(version2.ouvert.doc.NombreSeries, 2);
    EXPECT_EQ(version2.relu.doc.NombreSeries, 2);
}

// The writer copies an older series' comment by its own rule, which does not end where the
// reader's does when the comment is not in the form the writer itself produces: the copy
// takes in lines of the next series, or leaves the separator out, and the saved file does
// not read back.
TEST(FautesTrouvees, LaCopieDUnCommentaireSArreteOuSaLectureSArrete) {
    // The comment lines, and whether the separator follows them.
    const std::vector<std::pair<std::vector<std::string>, bool>> commentaires = {
        {{"\"sans guillemet final"}, true},            // the closing quote lost
        {{"\"\"", "\"\""}, true},                       // two empty comments
        {{"\"deux", "lignes\"", "\"-\" abîmé"}, false}, // a damaged separator
        {{"\"\"", "\"x\"", "\"y\""}, false},             // an empty comment, no separator
    };
    for (const auto& [commentaire, separateur] : commentaires) {
        SerieTest premiere;
        premiere.Commentaire = commentaire;
        auto lignes = FichierVersion2({premiere, SerieTest(), SerieTest()});
        const auto fin = 10 + 4 + 60 + static_cast<long>(commentaire.size());
        if (!separateur) lignes.erase(lignes.begin() + fin);
        const AllerRetourFichier cas(Joint(lignes));
        SCOPED_TRACE(commentaire.front() + (separateur ? " + séparateur" : ""));
        ASSERT_TRUE(cas.ouvert.dialogues.Messages.empty()) << cas.ouvert.dialogues.Messages[0].Texte;
        EXPECT_EQ(cas.erreur, "");
        EXPECT_TRUE(cas.relu.dialogues.Messages.empty());
        EXPECT_EQ(cas.relu.doc.NombreSeries, cas.ouvert.doc.NombreSeries);
    }
}

// The program reads a file through the places it noted at an earlier read; the file changed
// since on the disk, in each of the ways it can: every read through the old places must give
// what a read from the start gives (VerifieDocument compares them to the bit).
TEST(LectureIndexee, UnFichierChangeDepuisSaLectureSeRelitTelQuIlEst) {
    std::vector<SerieTest> trois(3);
    trois[0].Commentaire = {"\"Première\""};
    trois[1].Commentaire = {"\"Deux", "", "lignes\""};
    trois[2].Date = "46310";
    const std::string avant = Joint(FichierVersion2(trois));
    std::vector<SerieTest> quatre = trois;
    quatre.push_back(SerieTest());
    std::vector<SerieTest> autreLecture = trois;
    autreLecture[1].Lecture1 = {"1,236", "1,452"};
    std::vector<SerieTest> commentaireAllonge = trois;
    commentaireAllonge[0].Commentaire = {"\"Première", "ligne de plus\""};
    std::string sansFinDeLigne = avant;
    sansFinDeLigne.pop_back();
    const std::string rayon = "\"50\"\r\n";
    std::string autreRayon = avant;
    autreRayon.replace(autreRayon.find(rayon), rayon.size(), "\"55\"\r\n");
    std::string cp1252 = avant;
    cp1252.replace(cp1252.find("Première"), 9, "Premi\xE8re");
    const std::vector<std::pair<const char*, std::pair<std::string, std::string>>> cas = {
        {"une série ajoutée", {avant, Joint(FichierVersion2(quatre))}},
        {"une lecture changée", {avant, Joint(FichierVersion2(autreLecture))}},
        {"un commentaire allongé", {avant, Joint(FichierVersion2(commentaireAllonge))}},
        {"un rayon changé", {avant, autreRayon}},
        {"coupé dans la deuxième série", {avant, avant.substr(0, avant.size() / 2)}},
        {"sa fin de ligne retrouvée", {sansFinDeLigne, avant}},
        {"un retour chariot seul à la fin", {sansFinDeLigne, sansFinDeLigne + "\rx"}},
        {"passé en Windows-1252", {avant, cp1252}},
        {"passé en UTF-8", {cp1252, avant}},
        {"vidé", {avant, ""}},
    };
    for (const auto& [quoi, fichiers] : cas) {
        SCOPED_TRACE(quoi);
        EXPECT_EQ(VerifieDocument(fichiers.second, Etendue::Complete, nullptr, fichiers.first), "");
    }
}

// A length or a reading beyond about 1E307 is accepted as a number, but twice the focal
// length, or the sum of the validated readings, is then infinite: the pages would compute
// with it.
TEST(FautesTrouvees, UneValeurEnormeNeDonnePasDeValeurInfinie) {
    const std::string enorme = "1" + std::string(308, '0');
    SerieTest focale;
    focale.Focale = enorme;
    Lu lu;
    FichiersMemoire fichiers;
    fichiers.Contenus["m.bdc"] = Joint(FichierVersion2({focale}));
    Ouvre(lu, fichiers, "m.bdc");
    EXPECT_TRUE(std::isfinite(lu.doc.RayonCourbure));

    SerieTest lecture;
    lecture.Lecture1 = {enorme, "1"};
    auto lignes = FichierVersion2({lecture});
    // Line 2 of diameter 1 validated with the same reading.
    lignes[17] = "\"1\"";
    lignes[18] = "\"" + enorme + "\"";
    fichiers.Contenus["m.bdc"] = Joint(lignes);
    Lu lu2;
    Ouvre(lu2, fichiers, "m.bdc");
    EXPECT_TRUE(std::isfinite(lu2.doc.Lectures[1][LigneMoyennes][1]));
}

// A zone count rejected by Entier ("1,0", "+2") reads as 0 zones, and the rejection is
// forgotten as soon as the next flag is read: the file opens without a word, every later
// line one place off, and the save copies the series with that wrong count.
TEST(FautesTrouvees, UnNombreDeZonesRefuseFaitEchouerLOuverture) {
    for (const char* zones : {"\"1,0\"", "\"+2\""}) {
        auto lignes = FichierVersion2({SerieTest(), SerieTest()});
        lignes[7] = zones;
        FichiersMemoire fichiers;
        fichiers.Contenus["m.bdc"] = Joint(lignes);
        Lu lu;
        Ouvre(lu, fichiers, "m.bdc");
        SCOPED_TRACE(zones);
        EXPECT_TRUE(lu.doc.EntierIncorrect || !lu.dialogues.Messages.empty());
    }
}

// Replays one input, such as a file kept by the fuzzer: TARVO_REJOUE=path. Shows the rule
// broken and the files the saves made.
TEST(Mutations, Rejoue) {
    const char* chemin = std::getenv("TARVO_REJOUE");
    if (chemin == nullptr) GTEST_SKIP() << "TARVO_REJOUE non défini";
    std::map<std::string, std::string> fichiers;
    const std::string erreur = VerifieDocument(LitFichier(chemin), Etendue::Complete, &fichiers);
    for (const auto& [nom, contenu] : fichiers) std::cout << "== " << nom << "\n" << Echappe(contenu) << "\n";
    EXPECT_EQ(erreur, "");
    if (!erreur.empty()) {
        const std::string court = Reduit(LitFichier(chemin), erreur);
        std::ofstream("reduit.bdc", std::ios::binary) << court;
        std::cout << "== entrée réduite, dans reduit.bdc (" << VerifieDocument(court) << ")\n"
                  << Echappe(court) << "\n";
    }
}

} // namespace
} // namespace tarvo::test
