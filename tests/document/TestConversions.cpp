#include "document/Conversions.h"
#include "document/Document.h"
#include "document/Texte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <random>

namespace tarvo {
namespace {

TEST(Nombre, AccepteLePointLaVirguleEtLesBlancs) {
    Document doc;
    EXPECT_EQ(Nombre("1,5", doc), 1.5);
    EXPECT_EQ(Nombre("1.5", doc), 1.5);
    EXPECT_EQ(Nombre("1 500,25", doc), 1500.25);
    EXPECT_EQ(Nombre("-.5", doc), -0.5);
    EXPECT_EQ(Nombre("   ", doc), 0);
    EXPECT_EQ(Nombre("0,0001", doc), 0.0001);
    EXPECT_FALSE(doc.NombreIncorrect);
}

TEST(Nombre, RefuseCeQuiNEstPasUnNombre) {
    for (const char* texte : {"", "-", "1,5,2", "+1", "1E3", "12a", ".", ",", "--1", "1-2", " . ",
                              "- ", "5E-5", "1\t2"}) {
        Document doc;
        EXPECT_EQ(Nombre(texte, doc), 0) << texte;
        EXPECT_TRUE(doc.NombreIncorrect) << texte;
        EXPECT_EQ(doc.MotifErreur, texte);
    }
}

// Every number of the file's own form, to the bit what the correctly rounded conversion of
// its digits gives (the short path takes the common ones), and every flag or count of a few
// digits its integer.
TEST(Nombre, LesFormesCourantesDonnentLaValeurExacte) {
    std::mt19937_64 alea(20261210);
    for (int essai = 0; essai < 200000; ++essai) {
        const int chiffres = 1 + static_cast<int>(alea() % 18);
        std::string texte;
        for (int i = 0; i < chiffres; ++i)
            texte += static_cast<char>('0' + alea() % 10);
        if (alea() % 4 != 0) texte.insert(alea() % (texte.size() + 1), 1, alea() % 2 ? ',' : '.');
        if (alea() % 3 == 0) texte.insert(0, "-");
        std::string chiffresSeuls = texte;
        std::replace(chiffresSeuls.begin(), chiffresSeuls.end(), ',', '.');
        double attendu = 0;
        const auto r = std::from_chars(chiffresSeuls.data(),
                                       chiffresSeuls.data() + chiffresSeuls.size(), attendu);
        if (r.ptr != chiffresSeuls.data() + chiffresSeuls.size()) continue; // "-." and the like
        const auto lu = ConvertitNombre(texte);
        ASSERT_TRUE(lu) << texte;
        ASSERT_EQ(std::memcmp(&*lu, &attendu, sizeof attendu), 0) << texte;
        if (texte.size() <= 9 && texte.find_first_not_of("0123456789") == std::string::npos) {
            Document doc;
            ASSERT_EQ(Entier(texte, doc), std::stoi(texte)) << texte;
        }
    }
}

TEST(Nombre, UnNombreTropGrandEstRefuseUnTropPetitVautZero) {
    Document doc;
    const std::string grand = "1" + std::string(400, '0');
    EXPECT_EQ(Nombre(grand, doc), 0);
    EXPECT_TRUE(doc.NombreIncorrect);
    Document doc2;
    const double petit = Nombre("0," + std::string(400, '0') + "1", doc2);
    EXPECT_EQ(petit, 0);
    EXPECT_FALSE(doc2.NombreIncorrect);
}

TEST(Entier, ConvertitLesComptesEtLesDrapeaux) {
    Document doc;
    EXPECT_EQ(Entier("3", doc), 3);
    EXPECT_EQ(Entier(" 1 ", doc), 1);
    EXPECT_EQ(Entier("12", doc), 12);
    EXPECT_EQ(Entier("", doc), 0);
    EXPECT_EQ(Entier("2E3", doc), 2000);
    EXPECT_FALSE(doc.EntierIncorrect);
    for (const char* texte : {"-1", "1,0", "+2", "1.0", "E", "1E", "9999999999", "1E400"}) {
        EXPECT_EQ(Entier(texte, doc), 0) << texte;
        EXPECT_TRUE(doc.EntierIncorrect) << texte;
    }
    // An unknown character is reported and dropped; the digits still count.
    EXPECT_EQ(Entier("x", doc), 0);
    EXPECT_TRUE(doc.EntierIncorrect);
    EXPECT_EQ(Entier("4x", doc), 4);
    EXPECT_TRUE(doc.EntierIncorrect);
    // Each conversion starts with the flag cleared.
    Entier("5", doc);
    EXPECT_FALSE(doc.EntierIncorrect);
}

TEST(FormeAffichable, RetireLesGuillemetsEtLesBlancsFinaux) {
    // The quotes are dropped before the blanks: a blank after the closing quote keeps it.
    EXPECT_EQ(FormeAffichable("\"Miroir de 200\"  "), "Miroir de 200\"");
    EXPECT_EQ(FormeAffichable("\"Miroir   \""), "Miroir");
    EXPECT_EQ(FormeAffichable("Miroir"), "Miroir");
    EXPECT_EQ(FormeAffichable("\""), "");
    // The last character is a character, not a byte.
    EXPECT_EQ(FormeAffichable("\"Sphère é"), "Sphère");
}

TEST(TexteFichier, FormatGeneralQuinzeChiffresAvecVirgule) {
    EXPECT_EQ(TexteFichier(150.5), "\"150,5\"");
    EXPECT_EQ(TexteFichier(-1), "\"-1\"");
    EXPECT_EQ(TexteFichier(0.125), "\"0,125\"");
    EXPECT_EQ(TexteFichier(0), "\"0\"");
    EXPECT_EQ(TexteFichier(-0.0), "\"0\"");
    EXPECT_EQ(TexteFichier(0.0001), "\"0,0001\"");
    EXPECT_EQ(TexteFichier(0.00005), "\"5E-5\"");
    EXPECT_EQ(TexteFichier(-1.5e-7), "\"-1,5E-7\"");
    EXPECT_EQ(TexteFichier(1e20), "\"1E20\"");
    EXPECT_EQ(TexteFichier(999999999999999.0), "\"999999999999999\"");
    EXPECT_EQ(TexteFichier(1e15), "\"1E15\"");
    EXPECT_EQ(TexteFichier(1.0 / 3), "\"0,333333333333333\"");
    EXPECT_EQ(TexteFichier(2.0 / 3), "\"0,666666666666667\"");
    EXPECT_EQ(TexteFichier(46330), "\"46330\"");
    EXPECT_EQ(TexteFichier(1.235), "\"1,235\"");
}

TEST(TexteFichier, LaFormeRelisibleEvitelExposant) {
    EXPECT_EQ(TexteFichierRelisible(0.00005), "\"0,00005\"");
    EXPECT_EQ(TexteFichierRelisible(-1.5e-7), "\"-0,00000015\"");
    EXPECT_EQ(TexteFichierRelisible(1e20), "\"100000000000000000000\"");
    EXPECT_EQ(TexteFichierRelisible(150.5), TexteFichier(150.5));
    for (const double v : {0.00005, 1.5e-7, 1e20, -3.25e-9, 123456.789, 1e-300}) {
        Document doc;
        EXPECT_EQ(Nombre(SansGuillemets(TexteFichierRelisible(v)), doc), v) << v;
        EXPECT_FALSE(doc.NombreIncorrect);
    }
}

TEST(Texte, Windows1252OuUtf8) {
    // "é" in Windows-1252 is read as é; the same text in UTF-8 stays as it is.
    EXPECT_EQ(DecodeTexteFichier("s\xE9rie \x80"), "série €");
    EXPECT_EQ(DecodeTexteFichier("série"), "série");
    EXPECT_EQ(DecodeTexteFichier("\xEF\xBB\xBFtarvo"), "tarvo");
    EXPECT_EQ(EncodeTexteFichier("série €"), "s\xE9rie \x80");
    // A character with no place in Windows-1252 keeps the whole text in UTF-8.
    EXPECT_EQ(EncodeTexteFichier("série → ok"), "série → ok");
    // Bytes that would read back as other text are not used.
    EXPECT_EQ(EncodeTexteFichier("Ã©"), "Ã©");
    EXPECT_EQ(DecodeTexteFichier(EncodeTexteFichier("Ã© et é")), "Ã© et é");
    // Every byte survives a round trip, the five undefined ones included.
    std::string tous;
    for (int o = 1; o < 256; ++o) tous += static_cast<char>(o);
    tous += "\xFF\xFE";
    EXPECT_EQ(EncodeTexteFichier(DecodeTexteFichier(tous)), tous);
}

TEST(Texte, LignesEtCaracteres) {
    const auto lignes = DecoupeLignes("a\r\nb\nc\r\n\r\nd");
    ASSERT_EQ(lignes.size(), 5u);
    EXPECT_EQ(lignes[1], "b");
    EXPECT_EQ(lignes[3], "");
    EXPECT_EQ(DecoupeLignes("a\r\n").size(), 1u);
    EXPECT_TRUE(DecoupeLignes("").empty());
    EXPECT_EQ(NombreCaracteres("Caractéristiques"), 16u);
    EXPECT_EQ(SousChaine("tarvo 2.5.3", 6, 3), "2.5");
    EXPECT_EQ(SousChaine("éèà", 1, 5), "èà");
    EXPECT_EQ(SousChaine("abc", 5, 2), "");
}

} // namespace
} // namespace tarvo
