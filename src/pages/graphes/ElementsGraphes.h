#pragma once

#include "optics/Reduction.h"
#include "pages/commun/Canvas.h"
#include "pages/commun/MiseEnPage.h"

#include <string_view>

namespace tarvo {

// Pieces that the wavefront graph and the transverse-aberration graph draw alike.

// Round to the nearest pixel, ties to even; Trunc toward zero. Both keep the result within
// a band far wider than any page, so that an absurd value still gives a pixel.
int EnPixel(double v);
int Tronque(double v);

// Pixel coordinates of a graph: a radius h in mm gives x, a value v gives y (y down, so
// `EchelleY` is negative).
struct Repere {
    int X0 = 0;
    double EchelleX = 0;
    int Y0 = 0;
    double EchelleY = 0;
    int X(double h) const { return EnPixel(h * EchelleX) + X0; }
    int Y(double v) const { return EnPixel(v * EchelleY) + Y0; }
};

// A reduction the graphs can draw: computed, with a zone count the tables hold.
bool ReductionDessinable(const ResultatReduction& r);

// A graph image before drawing: all white, black one-pixel pen, clear brush (the text
// then leaves the grey band visible), Arial -11.
void PrepareImage(Canvas& c, int largeur, int hauteur);

// The printed graphs' own settings: black solid pen `UnitePoint` wide, clear brush, Arial
// 10 points. The caller's pen, brush and font come back when the graph is done.
class ReglagesPapier {
  public:
    ReglagesPapier(Canvas& c, const MiseEnPage& m);
    ~ReglagesPapier();
    ReglagesPapier(const ReglagesPapier&) = delete;
    ReglagesPapier& operator=(const ReglagesPapier&) = delete;

  private:
    Canvas& c_;
    Plume plume_;
    Brosse brosse_;
    Police police_;
};

// Sizes of the printed graphs, in printer pixels.
struct MesuresPapier {
    int Texte = 0;      // text height
    int Zero = 0;       // width of "0"
    int DemiFleche = 0; // a: half-width of an arrowhead
    int Fleche = 0;     // b: length of an arrowhead
    int Retrait = 0;    // axes end half a text height inside the area
    int LeveGrec = 0;   // Greek letters are raised by an eighth of their height
};
MesuresPapier MesurePapier(Canvas& c, const MiseEnPage& m);

// A line from (x1, y1) to (x2, y2), without its last pixel.
void Segment(Canvas& c, int x1, int y1, int x2, int y2);

// Four lines along the edges of [gauche, droite] x [haut, bas].
void Pourtour(Canvas& c, int gauche, int haut, int droite, int bas);

// The central hole: a grey band from the axis to the hole's edge, without outline.
void BandeTrou(Canvas& c, int gauche, int haut, int droite, int bas);

// A solid black disc of radius `rayon` around (x, y), outlined in the current pen.
void Disque(Canvas& c, int x, int y, int rayon);

// Text ending at `fin`.
void EcritAGauche(Canvas& c, int fin, int y, std::string_view texte);
// Width of letters in the "Symbol" face.
int LargeurGrec(Canvas& c, std::string_view lettres);

// Ticks and labels every `PasHorizontal` mm along the zero line, up to the rim, below it
// (`dessous`) or above it: ticks `trait` long, labels `ecart` from the line, `mesure` the
// text whose height the labels take above the line.
void GraduationsHorizontales(Canvas& c, const Repere& r, double diametre, bool dessous, int trait,
                             int ecart, std::string_view mesure);

// Screen arrowheads: the vertical axis at x0, the zero line at the right of an image of
// width `largeur`.
void FlecheVerticaleEcran(Canvas& c, int x0);
void FlecheHorizontaleEcran(Canvas& c, int largeur, int y0);

// Paper axes: the zero line and the vertical axis, each with an arrowhead of two strokes,
// ending half a text height inside the area.
void AxesPapier(Canvas& c, const MiseEnPage& m, const MesuresPapier& p, int gauche, int haut,
                int droite, int bas, const Repere& r);

} // namespace tarvo
