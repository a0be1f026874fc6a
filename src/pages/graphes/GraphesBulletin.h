#pragma once

#include "optics/Reduction.h"
#include "pages/commun/Canvas.h"
#include "pages/commun/MiseEnPage.h"
#include "platform/Systeme.h"

namespace tarvo {

// What the two graphs of the test report show: a computed reduction (`Calculee()`), the
// series diameter D and the series central hole d, in mm, the system's decimal separator
// for the numbers written, and the system that translates the legends (French without one).
struct DonneesGraphes {
    const ResultatReduction& Reduction;
    double Diametre = 0;
    double Trou = 0;
    char Separateur = ',';
    Systeme* Langue = nullptr;
};

// Screen: each graph fills its whole image (`Dessin`, `Dessin2`), `largeur` × `hauteur`
// pixels, cleared to white first, with its own coordinates and the anti-aliased curves.
void DessineGrapheOnde(Canvas& image, int largeur, int hauteur, const DonneesGraphes& g);
void DessineGrapheAberrations(Canvas& image, int largeur, int hauteur, const DonneesGraphes& g);

// A rectangle of the printed page, in printer pixels.
struct RectangleGraphe {
    int Gauche = 0;
    int Haut = 0;
    int Droite = 0;
    int Bas = 0;
};

// Paper: each graph in its rectangle of the printed page, with the print metrics of the
// job (`PointsParPouce`, `UnitePoint`, `DemiPoint`, `InterligneImpression`,
// `MargeImpression`); text at 10 points.
void DessineGrapheOndePapier(Canvas& papier, const MiseEnPage& m, const RectangleGraphe& zone,
                             const DonneesGraphes& g);
void DessineGrapheAberrationsPapier(Canvas& papier, const MiseEnPage& m,
                                    const RectangleGraphe& zone, const DonneesGraphes& g);

} // namespace tarvo
