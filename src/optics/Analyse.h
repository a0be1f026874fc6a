#pragma once

#include "document/Document.h"
#include "optics/LignesValidees.h"
#include "optics/Reduction.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tarvo {

// The figures of the analysis page, from one reduction of the series. Each is absent when it
// cannot be computed (no reduction, no validated line, a fit without spread ...).
struct FiguresAnalyse {
    // ε of the report, nm, and its fraction of λ.
    std::optional<double> EcartMax;
    std::optional<double> FractionLambda;
    // Area-weighted RMS of the wavefront over the annulus, piston and focus removed, nm; as λ/x.
    std::optional<double> EcartRMS;
    std::optional<double> FractionLambdaRMS;
    // exp(−(2π·RMS/λ)²).
    std::optional<double> Strehl;
    // K from the zone means against Hm²/R, and its 1σ from the scatter of the readings.
    std::optional<double> ConiqueAjustee;
    std::optional<double> ConiqueIncertitude;
    // The wavefront less its best reference parabola at points 0..N of the report, nm: the
    // profile that the analysis graph draws, one-signed, its largest magnitude ε.
    std::array<double, ZonesMax + 1> Ecarts{};
};

// RMS of the report's wavefront: the points (radius, `Onde`) of rows 0..N joined by straight
// lines, from the hole's edge (or the centre) to the rim, rotationally symmetric, weighted by
// area (r dr), after a least-squares fit of a + b·r² with the same weight. Each linear piece is
// integrated exactly. Nothing for a reduction not made.
std::optional<double> EcartRMSOnde(const ResultatReduction& r);

// The Maréchal–Mahajan approximation of the Strehl ratio at λ = 560 nm.
double StrehlMarechal(double ecartRMS);

// The standard error of each zone's mean as the reduction takes it (`Moyenne`: one diameter,
// or the mean of both), rows 1..N, from the validated readings' scatter about their diameter's
// mean, both diameters pooled. Nothing when a retained diameter has fewer than two validated
// lines: its scatter is unknown.
std::optional<std::array<double, ZonesMax + 1>>
ErreursMoyennes(const LignesValidees& lignes, int nombreZones, std::uint8_t diametresRetenus);

// The conic constant that best explains the zone means, and its 1σ: `Moyenne` = c + s·Hm²/R
// by ordinary least squares, K = −s, the error of s propagated from `erreurs` (rows 1..N).
struct ConiqueEstimee {
    std::optional<double> K;
    std::optional<double> Incertitude;
};
ConiqueEstimee AjusteConique(const ResultatReduction& r,
                             const std::optional<std::array<double, ZonesMax + 1>>& erreurs);

// The deviation of each point 0..N from the reduction's reference parabola, nm.
std::array<double, ZonesMax + 1> EcartsParabole(const ResultatReduction& r);

// Every figure above for a reduction of a series whose validated lines are `lignes` (they
// give the errors); `doc` for the series in memory.
FiguresAnalyse CalculeFigures(const ResultatReduction& r, const LignesValidees& lignes);
FiguresAnalyse CalculeFigures(const ResultatReduction& r, const Document& doc);

} // namespace tarvo
