#include "document/Document.h"
#include "document/Historique.h"
#include "support/FenetreFactice.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

Document Ouvert(const std::string& nom) {
    Document doc;
    doc.NomFichier = nom;
    doc.NomPropose = nom;
    return doc;
}

// Captions of the menu entries shown, up to the first hidden one.
std::vector<std::string> Menu(const test::FenetreFactice& f) {
    std::vector<std::string> libelles;
    for (std::size_t n = 1; n <= 4 && f.MenuVisible[n]; ++n) libelles.push_back(f.MenuLibelle[n]);
    return libelles;
}

TEST(Historique, LeDocumentOuvertOuEnregistrePasseEnTete) {
    test::FenetreFactice f;
    Historique h{"", "A", "B", "C", "R&D"};
    MajHistorique(h, Ouvert("C"), f);
    EXPECT_EQ(h, (Historique{"C", "C", "A", "B", "R&D"}));
    EXPECT_TRUE(f.EnregistrerActif);
    EXPECT_EQ(Menu(f), (std::vector<std::string>{"&1 C", "&2 A", "&3 B", "&4 R&&D"}));
    MajHistorique(h, Ouvert("E"), f);
    EXPECT_EQ(h, (Historique{"E", "E", "C", "A", "B"}));

    // A short list grows, and a stale fourth menu entry goes away.
    h = {"", "A", "B", "", ""};
    MajHistorique(h, Ouvert("N"), f);
    EXPECT_EQ(h, (Historique{"N", "N", "A", "B", ""}));
    EXPECT_EQ(Menu(f), (std::vector<std::string>{"&1 N", "&2 A", "&3 B"}));
    EXPECT_FALSE(f.MenuVisible[4]);
    EXPECT_TRUE(f.SeparateurVisible);

    // Outer blanks do not make another file; case does.
    h = {"", " /m/A ", "/m/a", "", ""};
    MajHistorique(h, Ouvert("/m/A  "), f);
    EXPECT_EQ(h, (Historique{"/m/A  ", "/m/A  ", "/m/a", "", ""}));
}

TEST(Historique, UnTrouSurvitAUneSeulePasseEtArreteLeMenu) {
    test::FenetreFactice f;
    Historique h{"", "A", "", "", "D"};
    MajHistorique(h, Ouvert("N"), f);
    EXPECT_EQ(h, (Historique{"N", "N", "A", "", "D"}));
    EXPECT_EQ(Menu(f), (std::vector<std::string>{"&1 N", "&2 A"}));
    EXPECT_FALSE(f.MenuVisible[4]);
}

TEST(Historique, SansDocumentNommeLaListeNeChangePas) {
    test::FenetreFactice f;
    const Historique avant{"", "A", "B", "", ""};
    Historique h = avant;
    Document doc;
    doc.NomFichier = "X";
    MajHistorique(h, doc, f);
    EXPECT_EQ(h, avant);
    EXPECT_FALSE(f.EnregistrerActif);
    EXPECT_EQ(Menu(f), (std::vector<std::string>{"&1 A", "&2 B"}));
    // After New, the recent-file command refreshes before saving: entry n must still name
    // the file the user picked.
    doc.NomPropose = "ancien.bdc";
    doc.NomFichier = " ";
    MajHistorique(h, doc, f);
    EXPECT_EQ(h, (Historique{" ", "A", "B", "", ""}));
}

TEST(Historique, RetirerUneEntreeRemonteLesSuivantes) {
    test::FenetreFactice f;
    Historique h{"", "A", "B", "C", "D"};
    RetireHistorique(h, 2, f);
    RetireHistorique(h, 0, f);
    RetireHistorique(h, 5, f);
    EXPECT_EQ(h, (Historique{"", "A", "C", "D", ""}));
    EXPECT_EQ(Menu(f), (std::vector<std::string>{"&1 A", "&2 C", "&3 D"}));
    h = {"", "A", "", "C", ""};
    RetireHistorique(h, 1, f);
    EXPECT_EQ(h, (Historique{"", "", "C", "", ""}));
    EXPECT_TRUE(Menu(f).empty());
    EXPECT_FALSE(f.SeparateurVisible);
}

} // namespace
} // namespace tarvo
