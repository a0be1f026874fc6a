#pragma once

#include "document/Document.h"

namespace tarvo {

struct ParametresEquilibre {
    int NombreZones = 0;   // N, 2..10
    double Focale = 0;     // F, mm
    double RayonTache = 0; // ρ, µm
};

// For the trial constant C, fills columns `MoyenneMoinsCte` to `Onde` of rows 1..N from
// `Moyenne`, `Hm2SurR`, `CentHmSur4F` and `RayonExterieur` (row N holding the rim), and
// returns the largest plus the smallest relative transverse aberration, the centre (0) and
// the value extrapolated to the rim included: 0 when the aberrations are balanced about the
// axis, decreasing as C increases.
double EquilibreAberrations(TableZones& zones, const ParametresEquilibre& p, double constante);

// The constant that balances the aberrations, searched from `depart` with steps of 0.1 mm
// and their successive quarters down to 0.0004 mm. Always ends: each step size takes a
// bounded number of steps, and the search stops when the balance is not a finite number or
// a step no longer moves the constant. Leaves the columns as computed at the result.
double RechercheConstante(TableZones& zones, const ParametresEquilibre& p, double depart);

} // namespace tarvo
