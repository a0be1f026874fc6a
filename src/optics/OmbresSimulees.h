#pragma once

#include "optics/Reduction.h"

#include <cstdint>
#include <vector>

namespace tarvo {

// What the knife edge and a Ronchi grating show of a mirror, by geometric optics from its
// rotationally symmetric wavefront, as the report's fixed-source test sees it.
//
// A ray reflected from the mirror at (x, y), r = √(x² + y²), crosses the axis at Z(r) (mm,
// from the reference centre of curvature, positive away from the mirror): the target conic's
// −K·r²/R plus the measured longitudinal deviation Λc(r). Λc comes from the slope of the
// report's wavefront, the points (radius, `Onde`) joined by straight lines: on each piece the
// slope p (nm/mm) gives Λc(r) = −4·p·F² / (10⁶·r), the relation of the report's columns (at a
// zone's mean radius it is the zone's Λc). In the plane at Z₀ the ray lies at
// (x, y)·(Z(r) − Z₀)/R. The light of each point of the mirror is spread there over the
// diffraction spot of the centre of curvature, of diameter w = 2.44·λ·R/D (λ = 560 nm).
// - The knife edge at Z₀, along the axis, dark on the side x < 0, passes the part of that
//   spot that lies on its open side: brightness clamp(½ + x_k/w, 0, 1).
// - The grating at Z₀ has opaque lines parallel to y, centred every P = 25.4 / (lines per
//   inch) mm, as wide as the clear ones: brightness is the share of the spot passing it.

// The rays of a mirror, tabulated along the radius for the pictures.
struct RayonsMiroir {
    double RayonBord = 0;     // D/2, mm
    double RayonTrou = 0;     // d/2, mm
    double RayonCourbure = 0; // R, mm
    double Tache = 0;         // w, mm
    // Z(r) − Λc(r) (the target's) and Λc(r)·r/R (mm) at r = k·RayonBord/(n − 1), k = 0..n−1:
    // the transverse position is x·(Cible − Z₀)/R + (x/r)·Transverse.
    std::vector<double> Cible;
    std::vector<double> Transverse;
};

// The mirror that the reduction describes, and the perfect mirror of the same conic (no Λc).
// Empty (no sample) for a reduction not made.
RayonsMiroir RayonsMesures(const ResultatReduction& r, double coefDeformation);
RayonsMiroir RayonsParfaits(const ResultatReduction& r, double coefDeformation);

// Z of the zone's mean radius: where the knife nulls zone `zone` (1..N) of that mirror.
double CentreDeZone(const ResultatReduction& r, const RayonsMiroir& m, int zone);

// The zone nearest 70 % of the radius, the usual knife setting.
int ZoneSoixanteDix(const ResultatReduction& r);

// Square pictures `cote` pixels wide, row by row from the top, 0 black to 255 white: the
// mirror as seen from behind the knife or the grating, on black, its hole black.
std::vector<std::uint8_t> ImageFoucault(const RayonsMiroir& m, double couteau, int cote);
std::vector<std::uint8_t> ImageRonchi(const RayonsMiroir& m, double reseau, double lignesParPouce,
                                      int cote);

} // namespace tarvo
