#pragma once

#include <optional>

namespace tarvo {

// What the Millies-Lacroix band of a mirror depends on.
struct BandeTolerance {
    double CoefDeformation = 0; // K
    double RayonCourbure = 0;   // R, mm
    double RayonTache = 0;      // ρ, µm
};

// Tolerance curves of the work-sheet graph at a continuous radius h (mm):
// −K·h²/R ± 2·ρ·R/h/1000. Nothing at or inside the centre (h ≤ 0), for a band without a
// radius of curvature, or where the value is not a finite number.
std::optional<double> TolSup(double h, const BandeTolerance& bande);
std::optional<double> TolInf(double h, const BandeTolerance& bande);

} // namespace tarvo
