#pragma once

#include "document/Document.h"

namespace tarvo {

// Extremes of the transverse aberration (µm) that scale the report's second graph.
struct ResultatEchelle {
    double Max = 0;
    double Min = 0;
    // Max − Min, at least 4 ρ so that the graph always shows ±2 spot radii.
    double Etendue = 0;
    // The aberration of largest magnitude, sign kept, and where: zone 1..N, or N + 1 for the
    // rim; 0 when every aberration is 0.
    double FMax = 0;
    int PointFMax = 0;
    // Straight lines through zones 1 and 2 to the centre, through zones N − 1 and N to the
    // rim; only the rim counts among the extremes.
    double AberrationCentre = 0;
    double AberrationBord = 0;
};

// From `Hm` and `AberrationTransversale` of rows 1..n (2..10) of the zone table.
ResultatEchelle EchelleAberrations(const TableZones& zones, int n, double demiDiametre,
                                   double rayonTache);

} // namespace tarvo
