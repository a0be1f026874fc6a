#pragma once

#include "document/Document.h"
#include "optics/LignesValidees.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tarvo {

// Draws of the bootstrap and its seed: fixed, so that a page shows the same ±σ every time.
inline constexpr int TiragesReechantillonnage = 1000;
inline constexpr std::uint64_t GraineReechantillonnage = 0x7A72766F2D626473ULL;

enum class EtatIncertitudes : std::uint8_t {
    Calculees,
    // A retained diameter has a single validated line: its scatter is unknown.
    LectureUnique,
    // The series cannot be reduced at all.
    SansReduction,
};

// The 1σ of the figures, from a bootstrap of the validated readings.
struct IncertitudesAnalyse {
    EtatIncertitudes Etat = EtatIncertitudes::SansReduction;
    std::optional<double> EcartMax;
    std::optional<double> EcartRMS;
    std::optional<double> Strehl;
    // 1σ of the deviation from the reference parabola at points 0..N, nm (the graph's band).
    std::array<double, ZonesMax + 1> Ecarts{};
    // Draws that reduced; the others are left out.
    int Tirages = 0;
};

// Each draw replaces the mean of every zone on every retained diameter by the mean of as
// many of its validated readings drawn with replacement, reruns the whole reduction, and
// keeps ε, the RMS, the Strehl ratio and the deviations; the result is their standard
// deviation over the draws. `diametresRetenus` is the report's choice, as for the reduction.
IncertitudesAnalyse Reechantillonne(const Document& doc, std::uint8_t diametresRetenus,
                                    int tirages = TiragesReechantillonnage,
                                    std::uint64_t graine = GraineReechantillonnage);
// The same from the given validated lines rather than the document's: those of a mean of
// several series, more than a series holds. `doc` gives the rest of the series.
IncertitudesAnalyse Reechantillonne(const Document& doc, const LignesValidees& lignes,
                                    std::uint8_t diametresRetenus,
                                    int tirages = TiragesReechantillonnage,
                                    std::uint64_t graine = GraineReechantillonnage);

} // namespace tarvo
