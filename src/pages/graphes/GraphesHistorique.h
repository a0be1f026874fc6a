#pragma once

#include "optics/ResumeSerie.h"
#include "pages/commun/Canvas.h"
#include "pages/graphes/GraphesBulletin.h"

#include <functional>
#include <string>
#include <vector>

namespace tarvo {

// The two graphs of the history page, on the screen bitmap or the printed page, each in its
// rectangle, in the canvas's current font.

// Sizes in pixels of the target.
struct StyleHistorique {
    int Trait = 1;      // frame, axes, curves
    int Graduation = 3; // tick length
    int Marque = 3;     // half-size of a point's mark
    int Motif = 1;      // unit of the dash patterns
};

// ε of every reduced series against its date, or its number when two series share a date
// (or there is a single date); dotted lines at λ/8 and λ/4 when the scale reaches them.
void DessineGrapheEcarts(Canvas& c, const RectangleGraphe& zone,
                         const std::vector<ResumeSerie>& series, Systeme& systeme,
                         const std::function<std::string(double)>& date, const StyleHistorique& s);

// Λc of each zone against the zone's mean radius for the last (at most five) reduced series,
// each in its own dash pattern and mark, with a legend; the newest drawn last.
void DessineGrapheZones(Canvas& c, const RectangleGraphe& zone,
                        const std::vector<const ResumeSerie*>& series, double diametre,
                        Systeme& systeme, const std::function<std::string(double)>& date,
                        const StyleHistorique& s);

// The dash patterns of the zone graph (on and off lengths in pattern units; empty: solid).
const std::vector<int>& MotifTrait(int rang);

// A line from (x1, y1) to (x2, y2) in a dash pattern scaled by `unite`; `phase` carries the
// pattern from one piece of a polyline to the next.
void TraitMotif(Canvas& c, int x1, int y1, int x2, int y2, const std::vector<int>& motif,
                int unite, double& phase);

} // namespace tarvo
