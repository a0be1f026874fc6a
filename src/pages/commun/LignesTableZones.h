#pragma once

#include "pages/commun/Canvas.h"

namespace tarvo {

// The rules of a zone table laid out one column per zone (column 0 holds the row labels):
// a line under the first row, and a line at the right edge of every column from the top of
// the table to its bottom, the one after column 0 as thick as the line under the first
// row. There is no outer frame.
struct TraitsTableZones {
    int DebutTrait = 0;     // x where the line under the first row starts
    int GaucheColonnes = 0; // left edge of column 0
    int LargeurColonne = 0;
    int Colonnes = 0; // column 0 and the zone columns
    int Haut = 0;
    int HauteurLigne = 0;
    int Lignes = 0;
    int TraitFort = 2; // under the first row and after column 0
    int TraitFin = 1;  // after the zone columns
};

// Each line is a black fill as thick as asked, centred on its edge (a 2-pixel line covers
// the pixel before the edge and the edge itself), so that it falls on the same pixels on
// every target. The brush is restored afterwards.
void TraceLignesTableZones(Canvas& c, const TraitsTableZones& t);

} // namespace tarvo
