#pragma once

#include "entry/ContexteSaisie.h"

namespace tarvo {

// The current cell of the measurement grids, along a line, then down the lines, then to
// the other diameter (`nombreZones` columns, at least 1).
void CelluleSuivante(EtatSaisie& saisie, int nombreZones);
void CellulePrecedente(EtatSaisie& saisie, int nombreZones);

// The editor one field forward or backward in the order of the characteristics page, or
// one cell on the grid (validating first), on the boxes of the page last drawn.
void ChampSuivant(ContexteSaisie& c);
void ChampPrecedent(ContexteSaisie& c);

// The Up and Down arrows: the field above or below on the characteristics page, the line
// above or below on the grid.
void ChampDessus(ContexteSaisie& c);
void ChampDessous(ContexteSaisie& c);

} // namespace tarvo
