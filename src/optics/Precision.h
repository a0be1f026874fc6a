#pragma once

#include <cmath>
#include <limits>
#include <optional>

namespace tarvo {

// The computations evaluate each formula in extended precision and keep its result as a
// double, as the figures of the program always were.
using Etendu = long double;

// Round to the nearest integer, ties to even (the default rounding mode).
inline Etendu Arrondi(Etendu x) {
    return std::nearbyint(x);
}

// Integer part, toward zero.
inline Etendu Tronque(Etendu x) {
    return std::trunc(x);
}

// An extended value kept as a double: beyond the range of a double it becomes an infinity
// (that the callers then refuse) instead of an undefined conversion.
inline double EnDouble(Etendu x) {
    constexpr Etendu plusGrand = std::numeric_limits<double>::max();
    // One test on the common path; a NaN passes it and stays one.
    if (!(std::fabs(x) > plusGrand)) return static_cast<double>(x);
    return x > 0 ? std::numeric_limits<double>::infinity()
                 : -std::numeric_limits<double>::infinity();
}

// The value as a double when it is finite as a double, else nothing.
inline std::optional<double> Fini(Etendu x) {
    const double d = EnDouble(x);
    if (!std::isfinite(d)) return std::nullopt;
    return d;
}

// Values beyond this magnitude (mm, or any coefficient) come from no mirror: a document file
// holding one is refused by the computations rather than let overflow into infinities.
inline constexpr double LimiteValeur = 1e6;

inline bool DansLimites(double v) {
    return std::isfinite(v) && std::fabs(v) <= LimiteValeur;
}

} // namespace tarvo
