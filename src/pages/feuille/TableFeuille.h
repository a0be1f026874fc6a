#pragma once

#include "document/Document.h"
#include "optics/Feuille.h"
#include "pages/commun/Canvas.h"
#include "pages/commun/MiseEnPage.h"
#include "pages/feuille/TextesFeuille.h"

namespace tarvo {

// The work sheet's zone table, transposed: column 0 the row labels, one column per zone,
// seven rows (zone number, outer radius, mean radius, Hm²/R, 2ρR/Hm, upper and lower
// tolerance), centred on the page. The column width is that of "00000.0" in the current
// font.
struct GabaritTableFeuille {
    int LargeurPage = 0;
    int Haut = 0;
    int HauteurLigne = 0;
    int HauteurTexte = 0; // rows are centred on it
    HauteursTexte Hauteurs;
    int TraitFort = 2; // under the first row and after column 0
    int TraitFin = 1;  // after the zone columns
};

// Draws the table and leaves its column width and row height in the layout state; returns
// the top of the text of the last row.
int DessineTableFeuille(Canvas& c, Systeme& systeme, MiseEnPage& m, const Document& doc,
                        const ResultatFeuille& f, const GabaritTableFeuille& g, char separateur);

} // namespace tarvo
