#pragma once

#include "optics/Reduction.h"

#include <string_view>

namespace tarvo {

// Step of the horizontal graduations of the report graphs, in mm, for a mirror of diameter
// `diametre`; 0 beyond the diameters a mirror can have (then no graduation is drawn).
int PasHorizontal(double diametre);

// Vertical scale of the wavefront graph, in nm.
struct ResultatEchelleOnde {
    // Extremes of the profile and of its reference parabola at the zone edges, with 0.
    double Max = 0;
    double Min = 0;
    // Max − Min, at least 70 nm.
    double Etendue = 70;
    // The profile lies almost entirely below zero: the zero line goes near the top.
    bool ZeroEnHaut = false;
    // Step of the vertical graduations.
    int Pas = 10;
    // As wide as the widest vertical label: it sets the left margin of both graphs.
    std::string_view Echantillon = "00000";
};

ResultatEchelleOnde EchelleOnde(const ResultatReduction& r);

} // namespace tarvo
