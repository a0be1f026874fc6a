#pragma once

#include "optics/Reduction.h"
#include "pages/commun/Canvas.h"
#include "platform/Systeme.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// The zone table of the test report, as the screen and the paper draw it: one row per
// quantity of the reduction, column 0 the labels, columns 1..N the zones.

enum class GenreMorceau : std::uint8_t { Texte, Grec, Exposant };

// A piece of a row label: plain text, letters of the "Symbol" face, or a superscript.
struct Morceau {
    GenreMorceau Genre = GenreMorceau::Texte;
    std::string Texte;
};

struct LigneBulletin {
    std::vector<Morceau> Libelle;
    // Indices 1..N: the zone's value as written.
    std::array<std::string, ZonesMax + 1> Valeurs{};
};

struct TableBulletin {
    int NombreZones = 0;
    std::vector<LigneBulletin> Lignes;
    // Index of the first row of the measured means, and how many there are (1 or 3); 0
    // and 0 when only the zone numbers are shown.
    int PremiereMesure = 0;
    int LignesMesures = 0;
};

enum class SupportTable : std::uint8_t {
    Ecran,  // the single measures row names the diameter kept
    Papier, // the single measures row is "Mesures" in every case
};

// The rows of a computed reduction: all of them, or only the zone numbers when
// `toutesLignes` is false. Row 3 (Hm²/R) is left out for a spherical K. The labels in the
// system's language, the numbers with its separator.
TableBulletin ConstruitTableBulletin(const ResultatReduction& r, double coefDeformation,
                                     bool toutesLignes, SupportTable support, Systeme& systeme);

// Where the table's text goes on its target.
struct PlacementTable {
    int GaucheLibelles = 0; // x of the labels
    int GaucheColonnes = 0; // left edge of column 0
    int LargeurColonne = 0;
    int Haut = 0;
    int HauteurLigne = 0;
    int HauteurTexte = 0; // text height of the body: rows are centred on it
    // Font heights of the body and of the superscripts (as for `FixeHauteurPolice`).
    int HauteurCorps = 0;
    int HauteurExposant = 0;
    // Greek letters are raised by their own text height divided by this; 0: not raised.
    int DiviseurLeveGrec = 0;
};

// Top of the text of row `ligne`.
int HautTexteLigne(const PlacementTable& p, int ligne);

// The labels and the values, each value centred in its column (offsets halved toward zero).
void EcritTableBulletin(Canvas& c, const TableBulletin& table, const PlacementTable& p);

} // namespace tarvo
