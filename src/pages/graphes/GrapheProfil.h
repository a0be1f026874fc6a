#pragma once

#include "document/Document.h"
#include "pages/commun/Canvas.h"
#include "pages/graphes/GraphesBulletin.h"
#include "platform/Systeme.h"

#include <array>
#include <optional>

namespace tarvo {

// The analysis page's graph: the wavefront less its reference parabola over the whole
// diameter (−D/2 to +D/2, the half profile mirrored), the points of the report joined by
// straight lines, with the ±1σ band of the bootstrap around it and the central hole grey.
struct DonneesProfil {
    // Radii (mm) and deviations (nm) of points 0..N: point 0 is the hole's edge or the centre.
    int NombreZones = 0;
    std::array<double, ZonesMax + 1> Rayons{};
    std::array<double, ZonesMax + 1> Ecarts{};
    // The band's half-width at each point; none while it is not known.
    std::optional<std::array<double, ZonesMax + 1>> Sigmas;
    double Diametre = 0;
    double Trou = 0;
    char Separateur = ',';
    // The language of the legend; French without a system.
    Systeme* Langue = nullptr;
};

// What changes between the screen and the paper: sizes in pixels of the target.
struct StyleProfil {
    int Trait = 1;      // pen of the frame and the axes
    int Courbe = 1;     // pen of the profile on paper
    int Graduation = 3; // tick length
    int Disque = 2;     // radius of the points
    int Colonne = 1;    // width of the strips that fill the band
    bool Lisse = true;  // the profile anti-aliased (screen)
};

// Draws in `zone` of the canvas in the canvas's current font; leaves the pen solid black.
void DessineGrapheProfil(Canvas& c, const RectangleGraphe& zone, const DonneesProfil& d,
                         const StyleProfil& s);

// The vertical scale: the step of the graduations (1, 2 or 5 × 10^k nm) for a span of at
// least 10 nm that holds every value and 0, in at most 8 steps.
struct EchelleProfil {
    double Min = 0;
    double Max = 0;
    double Pas = 1;
};
EchelleProfil EchelleDuProfil(const DonneesProfil& d);

} // namespace tarvo
