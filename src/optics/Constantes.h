#pragma once

#include "optics/Precision.h"

#include <numbers>

namespace tarvo {

// Airy radius factor at λ = 560 nm: 1.22 × 0.560 µm per unit of F/D.
inline constexpr Etendu FacteurTache = 0.6832L;
// Reference wavelength of the peak error, nm.
inline constexpr double LongueurOnde = 560;
inline constexpr Etendu DensiteVerre = 2.247L;
// Image scale: µm per arc second per metre of focal length.
inline constexpr Etendu MicronsParSeconde = 4.848136L;
inline constexpr Etendu Pi = std::numbers::pi_v<Etendu>;

} // namespace tarvo
