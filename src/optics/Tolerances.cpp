#include "optics/Tolerances.h"

#include "optics/Precision.h"

namespace tarvo {

namespace {

std::optional<double> Tolerance(double h, const BandeTolerance& b, int signe) {
    if (!(h > 0) || !(b.RayonCourbure > 0)) return std::nullopt;
    const Etendu k = b.CoefDeformation, r = b.RayonCourbure, hh = h;
    return Fini(-k * hh * hh / r + signe * 2 * static_cast<Etendu>(b.RayonTache) * r / hh / 1000);
}

} // namespace

std::optional<double> TolSup(double h, const BandeTolerance& bande) {
    return Tolerance(h, bande, +1);
}

std::optional<double> TolInf(double h, const BandeTolerance& bande) {
    return Tolerance(h, bande, -1);
}

} // namespace tarvo
