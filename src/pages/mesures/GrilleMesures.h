#pragma once

#include "document/Document.h"
#include "pages/commun/Canvas.h"
#include "pages/commun/EtatSaisie.h"
#include "pages/commun/MesuresSerie.h"
#include "pages/commun/MiseEnPage.h"
#include "platform/Systeme.h"
#include "platform/Traduction.h"

#include <string>
#include <string_view>

namespace tarvo {

// What the screen and the paper measurement grids share: their texts, the cell rule, the
// counts and means of the validated lines, and the two tick marks.

inline constexpr std::string_view PhraseValidees =
    TARVO_NOOP("Pages", "Seules les mesures validées sont utilisées pour les calculs.");
inline constexpr std::string_view PhraseUnites =
    TARVO_NOOP("Pages", "Les valeurs des mesures sont exprimées en millimètres.");
inline constexpr std::string_view LibelleZones = "Zones";
// The widest reading: the readings end half the rest of their column before its edge.
inline constexpr std::string_view EchantillonLecture = "999.999";

// Reading of zone z on line r (1..10, or 11 for the mean) of diameter d; the indices
// must lie within the array.
double Lecture(const Document& doc, int zone, int ligne, int diametre);

// Line r (1..10) of diameter d enters the means; for line 11, the diameter has validated
// lines.
bool LigneValidee(const Document& doc, int ligne, int diametre);

// The current cell brought inside the grid (line 1..10, column 1..N, diameter 1 or 2), so
// that the editor lies on a cell, what it commits goes to the cell it shows, and no index
// leaves the arrays.
void RameneCellule(EtatSaisie& saisie, const Document& doc);

// A reading in "#0.000"; empty when it is 0.0001 or less (an empty cell).
std::string TexteLecture(double lecture, char separateur);

// Counts the validated lines of each diameter and averages every zone over them: the
// count into `Lectures`[0][11][d] and zone row 0 of the zone table, the sums then the
// means into its column 4 + d, the means into `Lectures`[z][11][d]. A diameter without a
// validated line keeps its former means in `Lectures`, and 0 in the zone table.
void CalculeMoyennesMesures(Document& doc);

// A line from (x1, y1) to (x2, y2), without its last pixel, in the current pen.
void TraceSegment(Canvas& c, int x1, int y1, int x2, int y2);

// Check mark of a validated line, two pixels thick, in the box whose top-left is (a, b).
void CocheEcran(Canvas& c, int a, int b);

// The same on paper, scaled by the width of "HH" / 16, its strokes one point wide; the
// pen is left one pixel wide.
void CocheImpression(Canvas& c, int a, int b, int unitePoint);

} // namespace tarvo
