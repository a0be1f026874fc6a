#include "BancSaisie.h"
#include "entry/Forme.h"
#include "entry/Notes.h"
#include "entry/Placement.h"
#include "pages/commun/MasqueNombre.h"

namespace tarvo::test {
namespace {

struct Forme : BancSaisie {};

// The shape buttons set K exactly; the document counts as modified only when the shape
// changes (inclusive bands of 0.001); an editor on K shows the new value.
TEST_F(Forme, LesBoutonsFixentKEtModifientSeulementQuandLaFormeChange) {
    const struct {
        double avant;
        bool parabolique, actif;
        double apres;
        bool modifie;
    } cas[] = {
        {-1, false, true, 0, true},        {-1, true, true, -1, false},
        {-0.999, true, true, -1, false},   {-0.9985, true, true, -1, true},
        {0.001, false, true, 0, false},    {-0.5, false, false, -0.5, true},
    };
    for (const auto& k : cas) {
        InitialiseDocument(doc, systeme.Jour);
        doc.CoefDeformation = k.avant;
        doc.DateSerie = 40000;
        saisie.ChampCourant = Champ::CoefDeformation;
        Tape("?");
        const int redessins = Redessins;
        ChoisitForme(c, k.parabolique, k.actif);
        EXPECT_DOUBLE_EQ(doc.CoefDeformation, k.apres) << k.avant;
        EXPECT_EQ(doc.Modifie, k.modifie) << k.avant;
        EXPECT_EQ(doc.DateSerie, 40000);
        EXPECT_EQ(Editeur(), FormateMasque(k.apres, "0.000", ','));
        EXPECT_EQ(Redessins, redessins + 1);
    }
}

// What a user types or pastes in the comment reads back from the file as it stands in
// memory once saved: quotes become grave accents, leading empty lines and trailing line
// breaks go, a lone hyphen stays.
TEST(Commentaire, CeQueLUtilisateurEcritEstCeQueLeFichierRend) {
    const struct {
        const char* tape;
        const char* garde;
    } cas[] = {
        {"Bord \"rabattu\"", "Bord `rabattu`"},
        {"\r\n\r\nzone 3\r\n", "zone 3"},
        {"a\"\r\n\"b", "a`\r\n`b"},
        {"-", "-"},
        {"ligne 1\r\n\r\nligne 3", "ligne 1\r\n\r\nligne 3"},
    };
    for (const auto& k : cas) {
        Document doc;
        NoteChangee(doc, k.tape);
        NormaliseCommentaire(doc);
        EXPECT_EQ(doc.Commentaire, k.garde) << k.tape;
        EXPECT_EQ(doc.Note, k.garde) << k.tape;
    }
}

} // namespace
} // namespace tarvo::test
