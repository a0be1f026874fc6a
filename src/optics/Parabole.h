#pragma once

#include "document/Document.h"

#include <optional>

namespace tarvo {

// Reference parabola W = A·x² + B of the wavefront (x in mm, W in nm).
struct Parabole {
    double A = 0; // `ParaboleA`, nm/mm²
    double B = 0; // `ParaboleB`, nm
};

// The parabola through the wavefront points a < b of the zone table (x = `RayonExterieur`,
// W = `Onde` of rows 0..N), point a = 0 standing for the centre of the mirror. Nothing when
// both points lie at the same radius (a zone of zero width), which defines no parabola.
std::optional<Parabole> ParaboleParDeuxPoints(const TableZones& zones, int a, int b);

struct ParaboleReference {
    int PointParabole1 = 0;
    int PointParabole2 = 0;
    int PointEcartMax = 0;
    double EcartMax = 0; // nm
    Parabole Coefficients;
};

// The best reference parabola of the wavefront points 0..n: among the parabolas through
// two of them that leave every point on one side, the one whose farthest point is the
// nearest; the first in (a, b) order on a tie. Nothing when no candidate qualifies, which
// only rounding on absurd magnitudes can cause.
std::optional<ParaboleReference> MeilleureParabole(const TableZones& zones, int n);

// λ / q: q = |560 / `EcartMax`|. Nothing for a peak error of 0 (a wavefront exactly on its
// parabola), which no finite fraction describes.
std::optional<double> FractionLambda(double ecartMax);

} // namespace tarvo
