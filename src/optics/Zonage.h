#pragma once

#include "document/Document.h"

#include <array>

namespace tarvo {

// Number of Couder zones proposed for a usable diameter (diameter less the hole's) and a
// focal ratio: 3 to 10.
int NombreZonesPropose(double diametre, double focale, double trouCentral);

// Outer radii of zones 1..10 (index 0 unused) for `nombreZones` zones: equal steps of
// (r − h/2)^1.5, whole millimetres except the rim (and except on mirrors of 4 mm or less),
// zeros above the count. All zeros for a count below 1, or for a diameter or hole that is
// not finite or beyond 1 km.
std::array<double, ZonesMax + 1> RayonsZones(double diametre, double trouCentral, int nombreZones);

// `NombreZones` := the proposal for `Diametre`, `Focale` and `TrouCentral`, then
// `CalculeRayonsZones`.
void ChoisitNombreZones(Document& doc);

// `RayonExterieur` of zones 1..10 for the current `NombreZones`.
void CalculeRayonsZones(Document& doc);

} // namespace tarvo
