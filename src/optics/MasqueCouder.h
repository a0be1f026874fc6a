#pragma once

#include "document/Document.h"
#include "platform/Systeme.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvo {

// The Couder mask of a mirror, in millimetres at true size, the origin at the mirror's
// centre, y upwards.
//
// Each zone i has a pair of windows, one on each side of the vertical diameter, opposite
// across the centre: between the circles of the zone's inner radius (the hole's edge, or
// the centre, for zone 1) and outer radius (the rim for the last zone), and, on their side,
// beyond a vertical bridge of width p along the centre line. Odd zones open in the band from
// p/2 to p/2 + H above the horizontal diameter, even zones in the same band below it, so
// that the windows of neighbouring zones never meet: the horizontal bridge p along the
// diameter, and the other zones' bands, hold the mask together. H = D/8 and p = D/50, held
// within 10..40 mm and 2..5 mm. The mask is cut out at D/2 + a rim, so that it rests on the
// mirror's edge.

struct PointMm {
    double X = 0;
    double Y = 0;
};

struct FenetreMasque {
    int Zone = 0;
    int Cote = 1; // -1 left, +1 right
    double RayonInterieur = 0;
    double RayonExterieur = 0;
    // The outline, closed (its last point is not repeated): every point of an arc lies on
    // its circle.
    std::vector<PointMm> Contour;
    PointMm Milieu; // inside the window, for its label
};

struct GeometrieMasque {
    double RayonMiroir = 0;
    double RayonDecoupe = 0;
    double RayonTrou = 0;
    double Hauteur = 0; // H
    double Pont = 0;    // p
    std::vector<FenetreMasque> Fenetres;
};

// The mask of the series in memory: its zone radii (the last one is the series' rim) and its
// hole. Nothing, with the reason, when the zones cannot give one (no diameter, radii that do
// not grow, a zone too narrow for its window): in French, or in the system's language.
struct ResultatMasque {
    std::optional<GeometrieMasque> Masque;
    std::string Motif;
};
ResultatMasque CalculeMasque(const Document& doc);
ResultatMasque CalculeMasque(const Document& doc, Systeme& systeme);

// The points of a circle, `pas` degrees apart at most, every one on it.
std::vector<PointMm> Cercle(double rayon, double pasDegres = 0.25);

} // namespace tarvo
