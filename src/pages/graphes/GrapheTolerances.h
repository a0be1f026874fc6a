#pragma once

#include "optics/Feuille.h"
#include "pages/commun/Canvas.h"
#include "pages/commun/MiseEnPage.h"

namespace tarvo {

// The work sheet's tolerance graph: across the radius, from the centre (left) to the rim
// (right), the theoretical longitudinal aberration, the two Millies-Lacroix tolerance
// curves, each zone's mark with its tolerance ticks, and the central hole in grey.

struct DonneesTolerances {
    const ResultatFeuille& Feuille;
    double DiametreSerie = 0; // mm: sets the horizontal scale
    double TrouCentral = 0;   // mm
    // Height the graduation labels are centred on: the page's body text height.
    int HauteurTexte = 0;
    char Separateur = ',';
};

// The scale of a `largeur` × `hauteur` area. Not valid when the sheet gives no positive,
// finite range: the graph is then its frame and its zero line at half height.
struct EchelleTolerances {
    bool Valide = false;
    double Etendue = 0;  // B, mm
    double EchelleX = 0; // pixels per mm of radius
    double EchelleY = 0; // pixels per mm of aberration
    int Zero = 0;        // y of the zero line from the area's top
    float Pas = 0;       // mm between graduations
    int BordTrou = 0;    // x of the hole's edge from the area's left
};

EchelleTolerances EchelleGrapheTolerances(const DonneesTolerances& d, int largeur, int hauteur);

// Screen: the whole image, `largeur` × `hauteur`, cleared to white first.
void DessineGrapheTolerances(Canvas& image, int largeur, int hauteur, const DonneesTolerances& d);

// An area of the printed page, in printer pixels.
struct ZoneGraphe {
    int Gauche = 0;
    int Haut = 0;
    int Largeur = 0;
    int Hauteur = 0;
};

// Paper: the area of the printed page, with the job's `UnitePoint` and `DemiPoint`. Leaves
// the pen, the brush and the font as it found them.
void DessineGrapheTolerancesPapier(Canvas& papier, const MiseEnPage& m, const ZoneGraphe& zone,
                                   const DonneesTolerances& d);

} // namespace tarvo
