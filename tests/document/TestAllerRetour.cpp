// Round trip: random documents, built series after series the way the program builds them,
// saved and read back equal, series by series.

#include "Fabrique.h"

#include "document/Enregistrement.h"
#include "document/Lecteur.h"
#include "document/Texte.h"
#include "platform/Services.h"
#include "support/FenetreFactice.h"
#include "support/SystemeFixe.h"

#include <gtest/gtest.h>

#include <charconv>
#include <random>

namespace tarvo::test {
namespace {

// One series as the user entered it.
struct Saisie {
    double Date = 0, Diametre = 0, Focale = 0, Trou = 0;
    TableLectures Lectures{};
    std::string Commentaire;
};

class Generateur {
public:
    explicit Generateur(std::uint64_t graine) : alea_(graine) {}

    int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea_); }
    bool Pile() { return Entre(0, 1) == 0; }

    // A decimal value of at most 15 significant digits, made from its text so that it is
    // exactly the double that text reads as.
    double Decimal(long long entier, int decimales) {
        std::string texte = std::to_string(entier < 0 ? -entier : entier);
        if (decimales > 0) {
            if (texte.size() <= static_cast<std::size_t>(decimales))
                texte.insert(0, static_cast<std::size_t>(decimales) + 1 - texte.size(), '0');
            texte.insert(texte.size() - static_cast<std::size_t>(decimales), ".");
        }
        if (entier < 0) texte.insert(0, "-");
        double v = 0;
        std::from_chars(texte.data(), texte.data() + texte.size(), v);
        return v;
    }
    long long Grand(long long a, long long b) {
        return std::uniform_int_distribution<long long>(a, b)(alea_);
    }
    // A length in tenths of a millimetre, sometimes with all 15 digits used.
    double Longueur(int maximum) {
        if (Entre(0, 9) == 0) return Decimal(Grand(1, 999999999999999), Entre(0, 14));
        return Decimal(Entre(0, maximum * 10), 1);
    }
    // A knife-edge reading in thousandths, negative at times, extreme once in a while.
    double Lecture() {
        switch (Entre(0, 19)) {
        case 0: return Decimal(Grand(-999999999999999, 999999999999999), Entre(0, 20));
        case 1: return 0;
        default: return Decimal(Entre(-2000, 30000), 3);
        }
    }

    std::string Mot() {
        static const std::vector<std::string> Mots = {
            "bord", "rabattu", "zone", "très", "légère", "surcorrection", "à", "revoir", "Sphère",
            "après", "doucissage", "l’arête", "œil", "«", "»", "9,5°", "Foucault", "déjà",
            "\"creux\"", "a\"b", "-", "\"-\"", "µm", "ÉCRITURE", "Ça", "Où", "fin.", "été"};
        return Mots[static_cast<std::size_t>(Entre(0, static_cast<int>(Mots.size()) - 1))];
    }
    // A word outside Windows-1252: the file is then written in UTF-8.
    std::string MotEtranger() {
        static const std::vector<std::string> Mots = {"Łódź", "Ω", "→", "π≈3,14", "日本", "𝛌"};
        return Mots[static_cast<std::size_t>(Entre(0, static_cast<int>(Mots.size()) - 1))];
    }
    std::string Phrase(bool etranger) {
        std::string s = Mot();
        for (int n = Entre(0, 6); n > 0; --n) s += " " + (etranger && Entre(0, 5) == 0 ? MotEtranger() : Mot());
        return s;
    }

    // A comment the file can carry: its first and last lines are not empty, and no line
    // but the first starts with a double quote or ends with one.
    std::string Commentaire(bool etranger) {
        const int lignes = Entre(0, 4) == 0 ? 0 : Entre(1, 5);
        std::string c;
        for (int l = 0; l < lignes; ++l) {
            std::string ligne = (l > 0 && l + 1 < lignes && Entre(0, 5) == 0) ? "" : Phrase(etranger);
            if (l > 0) {
                c += "\r\n";
                while (!ligne.empty() && ligne.front() == '"') ligne.erase(0, 1);
            }
            while (!ligne.empty() && ligne.back() == '"') ligne.pop_back();
            if (ligne.empty() && (l == 0 || l + 1 == lignes)) ligne = "x";
            c += ligne;
        }
        // A comment of a lone hyphen is the series separator itself (see the test below).
        return c == "-" ? "- -" : c;
    }

    Saisie Serie(int zones, bool etranger) {
        Saisie s;
        s.Date = Entre(30000, 50000);
        s.Diametre = Longueur(600);
        s.Focale = Longueur(6000);
        s.Trou = Pile() ? 0 : Longueur(100);
        for (int k = 1; k <= 2; ++k)
            for (int j = 1; j <= LignesMesure; ++j) {
                s.Lectures[0][j][k] = Pile() ? 1 : 0;
                for (int i = 1; i <= zones; ++i) s.Lectures[i][j][k] = Lecture();
            }
        s.Commentaire = Commentaire(etranger);
        return s;
    }

private:
    std::mt19937_64 alea_;
};

void Saisit(Document& doc, const Saisie& s) {
    doc.DateSerie = s.Date;
    doc.DiametreSerie = s.Diametre;
    doc.FocaleSerie = s.Focale;
    doc.TrouCentralSerie = s.Trou;
    doc.Lectures = s.Lectures;
    doc.Commentaire = s.Commentaire;
}

class AllerRetour : public ::testing::TestWithParam<int> {
protected:
    FichiersMemoire fichiers;
    DialoguesEnregistres dialogues;
    SystemeFixe systeme;
    FenetreFactice fenetre;
    Services services{fichiers, dialogues, systeme, fenetre};
    Historique historique;
};

TEST_P(AllerRetour, ChaqueSerieSeRelitTelleQuElleAEteEnregistree) {
    const int graine = GetParam();
    Generateur g(static_cast<std::uint64_t>(graine));
    const int zones = graine % (ZonesMax + 1);
    const bool etranger = graine % 3 == 0;
    const int nombreSeries = 1 + graine % 4 + (graine % 7 == 0 ? 6 : 0);

    // A new document: the characteristics, then series 1, saved under a name.
    Document doc;
    InitialiseDocument(doc, systeme.Jour);
    doc.Intitule = g.Phrase(false) + (etranger ? " " + g.MotEtranger() : "");
    doc.Diametre = g.Longueur(600);
    doc.Focale = g.Longueur(6000);
    doc.Epaisseur = g.Longueur(80);
    doc.CoefDeformation = g.Pile() ? -1 : g.Decimal(g.Entre(-300, 100), 2);
    doc.TrouCentral = g.Pile() ? 0 : g.Decimal(g.Entre(11, 900), 1);
    doc.NombreZones = zones;
    for (int i = 1; i <= zones; ++i) doc.Zones[i][RayonExterieur] = g.Decimal(i * 100 + g.Entre(0, 99), 1);

    std::vector<Saisie> saisies = {g.Serie(zones, etranger)};
    Saisit(doc, saisies.back());
    dialogues.FichiersChoisis.push_back("aller retour");
    EnregistreSous(doc, services, historique);
    ASSERT_TRUE(doc.EnregistrementReussi);
    ASSERT_EQ(doc.NomFichier, "aller retour.bdc");

    // Each further series is a new series of the program: appended, then saved.
    for (int s = 2; s <= nombreSeries; ++s) {
        ++doc.NombreSeries;
        doc.SerieCourante = doc.NombreSeries;
        saisies.push_back(g.Serie(zones, etranger));
        Saisit(doc, saisies.back());
        EnregistreDocument(doc, services, historique);
        ASSERT_TRUE(doc.EnregistrementReussi) << "série " << s;
    }
    ASSERT_TRUE(dialogues.Messages.empty()) << dialogues.Messages.front().Texte;

    const std::string& octets = fichiers.Contenus["aller retour.bdc"];
    // The file is in Windows-1252 unless its text has a character outside it.
    const std::string nom = etranger ? doc.Intitule : EncodeTexteFichier(doc.Intitule);
    EXPECT_NE(octets.find("\r\n\"" + nom + "\"\r\n"), std::string::npos);

    for (int s = 1; s <= nombreSeries; ++s) {
        SCOPED_TRACE("série " + std::to_string(s) + " de " + std::to_string(nombreSeries) +
                     ", " + std::to_string(zones) + " zones");
        Lu lu;
        Ouvre(lu, fichiers, "aller retour.bdc", s);
        ASSERT_TRUE(lu.dialogues.Messages.empty()) << lu.dialogues.Messages.front().Texte;
        const Document& relu = lu.doc;
        const Saisie& attendu = saisies[static_cast<std::size_t>(s - 1)];
        EXPECT_EQ(relu.NombreSeries, nombreSeries);
        EXPECT_EQ(relu.SerieCourante, s);
        EXPECT_EQ(relu.Intitule, doc.Intitule);
        EXPECT_EQ(relu.Diametre, doc.Diametre);
        EXPECT_EQ(relu.Focale, doc.Focale);
        EXPECT_EQ(relu.Epaisseur, doc.Epaisseur);
        EXPECT_EQ(relu.CoefDeformation, doc.CoefDeformation);
        EXPECT_EQ(relu.TrouCentral, doc.TrouCentral);
        EXPECT_EQ(relu.NombreZones, zones);
        for (int i = 1; i <= zones; ++i)
            EXPECT_EQ(relu.Zones[i][RayonExterieur], doc.Zones[i][RayonExterieur]) << "zone " << i;
        EXPECT_EQ(relu.DateSerie, attendu.Date);
        EXPECT_EQ(relu.DiametreSerie, attendu.Diametre);
        EXPECT_EQ(relu.FocaleSerie, attendu.Focale);
        EXPECT_EQ(relu.RayonCourbure, 2 * attendu.Focale);
        // A series hole is only kept for a mirror with a hole.
        EXPECT_EQ(relu.TrouCentralSerie, doc.TrouCentral > 1 ? attendu.Trou : 0);
        for (int k = 1; k <= 2; ++k)
            for (int j = 1; j <= LignesMesure; ++j)
                for (int i = 0; i <= zones; ++i)
                    ASSERT_EQ(relu.Lectures[i][j][k], attendu.Lectures[i][j][k])
                        << "zone " << i << ", ligne " << j << ", diamètre " << k;
        EXPECT_EQ(relu.Note, attendu.Commentaire);
        // The comment of the last series stays the document's comment while browsing.
        EXPECT_EQ(relu.Commentaire, saisies.back().Commentaire);
    }
}

// A one-line comment "-" is written as the line that separates the series: the reader ends
// the comment there and takes the real separator for the next series' date, so the file
// just saved opens with a read error, and every later save is refused.
TEST_F(AllerRetour, UnCommentaireFaitDUnSeulTiretNeRendPasLeFichierIllisible) {
    Document doc;
    InitialiseDocument(doc, systeme.Jour);
    doc.Commentaire = "-";
    dialogues.FichiersChoisis.push_back("tiret");
    EnregistreSous(doc, services, historique);
    ASSERT_TRUE(doc.EnregistrementReussi);

    Lu lu;
    Ouvre(lu, fichiers, "tiret.bdc");
    EXPECT_TRUE(lu.dialogues.Messages.empty()) << lu.dialogues.Messages.front().Texte;
    EXPECT_FALSE(lu.doc.NombreIncorrect);
    EXPECT_EQ(lu.doc.NombreSeries, 1);
    std::string note = lu.doc.Note;
    while (!note.empty() && note.back() == ' ') note.pop_back();
    EXPECT_EQ(note, "-");
}

// A text whose Windows-1252 bytes happen to form valid UTF-8 (a capital accented letter
// followed by a no-break space, as French typography puts before "!", or by "°" or "»")
// would be read back as UTF-8, that is as other text.
TEST_F(AllerRetour, UnTexteDontLesOctetsWindows1252SontDeLUtf8SeRelitTelQuel) {
    for (const std::string intitule : {"CORRIGÉ\u00A0!", "Zone Ø° 3", "« MIROIR PERCÉ»"}) {
        Document doc;
        InitialiseDocument(doc, systeme.Jour);
        doc.Intitule = intitule;
        fichiers = FichiersMemoire();
        dialogues.FichiersChoisis.push_back("accent");
        EnregistreSous(doc, services, historique);
        ASSERT_TRUE(doc.EnregistrementReussi);
        Lu lu;
        Ouvre(lu, fichiers, "accent.bdc");
        EXPECT_EQ(lu.doc.Intitule, intitule);
    }
}

// 11 zone counts, every one with 1 to 4 series, some with 10, a third with a name and
// comments outside Windows-1252.
INSTANTIATE_TEST_SUITE_P(Graines, AllerRetour, ::testing::Range(0, 132));

} // namespace
} // namespace tarvo::test
