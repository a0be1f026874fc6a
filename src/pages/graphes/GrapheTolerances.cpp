#include "pages/graphes/GrapheTolerances.h"

#include "optics/Tolerances.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/graphes/ElementsGraphes.h"
#include "pages/graphes/LigneLissee.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tarvo {
namespace {

// A range so wide that the graduations would run on without end gets no more than these.
constexpr int GraduationsMax = 10000;
constexpr int PointsTolerance = 128;
constexpr double SeuilTrou = 0.0001;
constexpr int HauteurEtiquettesEcran = -11;
constexpr int TailleEtiquettesPapier = 10;

// Where the graph goes on its target, and its unit: one pixel on screen, one point on paper.
struct Aire {
    int Gauche = 0;
    int Haut = 0;
    int Largeur = 0;
    int Hauteur = 0;
    int Unite = 1;
    bool Papier = false;
};

float PasGraduations(double etendue) {
    const double n = Arrondi(etendue);
    if (n <= 1) return 0.01f;
    if (n <= 10) return 0.1f;
    if (n <= 100) return 1.0f;
    return 10.0f;
}

void Etiquette(Canvas& c, int x, int y, double valeur, std::string_view masque, char sep) {
    c.EcritTexte(x, y, FormateMasque(valeur, masque, sep));
}

// Ticks along both sides, symmetric about the zero line, every tenth labelled, every fifth
// labelled too when the range is below 2 mm. On paper nothing is written or drawn under
// the area's bottom: the page's footer lies there.
void Graduations(Canvas& c, const Aire& a, const EchelleTolerances& e, const DonneesTolerances& d) {
    const int u = a.Unite;
    const int y0 = e.Zero;
    const int demi = d.HauteurTexte / 2;
    const char sep = d.Separateur;
    const double pas = static_cast<double>(e.Pas);
    const bool serrees = !(pas * e.EchelleY >= 1);
    const int droite = a.Gauche + a.Largeur;
    for (int k = 0; k < GraduationsMax; ++k) {
        const int q = EnPixel(k * pas * e.EchelleY);
        if (q >= y0) break;
        const int yHaut = a.Haut + y0 - q;
        const int yBas = a.Haut + y0 + q;
        const bool dessousDansAire = y0 + q < a.Hauteur;
        const double valeur = k * pas;
        int trait = 3;
        if (k > 0 && k % 10 == 0) {
            trait = 9;
            Etiquette(c, a.Gauche + 12 * u, yHaut - demi, valeur, "#0.#", sep);
            if (dessousDansAire) Etiquette(c, a.Gauche + 12 * u, yBas - demi, -valeur, "#0.#", sep);
        } else if (k > 0 && k % 5 == 0) {
            trait = 6;
            if (e.Etendue < 2) {
                Etiquette(c, a.Gauche + 8 * u, yHaut - demi, valeur, "#0.00", sep);
                if (!a.Papier || dessousDansAire)
                    Etiquette(c, a.Gauche + 8 * u, yBas - demi, -valeur, "#0.00", sep);
            }
        }
        const int longueur = trait * u;
        for (const int y : {yBas, yHaut}) {
            if (y == yBas && a.Papier && !dessousDansAire) continue;
            Segment(c, a.Gauche, y, a.Gauche + longueur, y);
            Segment(c, droite, y, droite - longueur, y);
        }
        // Closer than a pixel apart they would only blacken the sides.
        if (serrees) break;
    }
}

// Each zone: a mark across the zero line at its mean radius, its two tolerance ticks
// pointing away from the band, and "Zn" under the zero line.
void Zones(Canvas& c, const Aire& a, const EchelleTolerances& e, const ResultatFeuille& f) {
    const int u = a.Unite;
    const int y0 = a.Haut + e.Zero;
    const int n = std::clamp(f.NombreZones, 0, ZonesMax);
    for (int z = 1; z <= n; ++z) {
        const ZoneFeuille& zone = f.Zones[static_cast<std::size_t>(z)];
        const int x = EnPixel(zone.Hm * e.EchelleX + a.Gauche);
        Segment(c, x, y0 + 3 * u, x, y0 - 3 * u);
        if (zone.TolSup) {
            const int y = y0 - EnPixel(*zone.TolSup * e.EchelleY);
            Segment(c, x, y, x, y - 6 * u);
        }
        if (zone.TolInf) {
            const int y = y0 - EnPixel(*zone.TolInf * e.EchelleY);
            Segment(c, x, y, x, y + 6 * u);
        }
        const std::string nom = "Z" + std::to_string(z);
        c.EcritTexte(x - c.LargeurTexte(nom) / 2, y0 + 4 * u, nom);
    }
}

// The theoretical aberration K·h²/R, each pixel column shared between the two pixels
// nearest the curve; columns where the curve is off the image are skipped.
void CourbeTheoriqueEcran(Canvas& c, int largeur, int hauteur, const EchelleTolerances& e,
                          const DonneesTolerances& d) {
    const ResultatFeuille& f = d.Feuille;
    const auto rampe = RampeTeintes(Noir);
    for (int x = 1; x <= largeur; ++x) {
        const double h = x * d.DiametreSerie / 2 / largeur;
        const double exact = e.Zero + h * h * f.CoefDeformation / f.RayonCourbure * e.EchelleY;
        if (!(exact >= 0 && exact < hauteur)) continue;
        const float y = static_cast<float>(exact);
        const int entier = static_cast<int>(y);
        const int part = std::clamp(static_cast<int>((static_cast<double>(y) - entier) * 10), 0, 9);
        c.FixePixel(x, entier, rampe[static_cast<std::size_t>(9 - part)]);
        c.FixePixel(x, entier + 1, rampe[static_cast<std::size_t>(part)]);
    }
}

double Rayon(int i, const DonneesTolerances& d) {
    return i * d.DiametreSerie / (2 * PointsTolerance);
}

// The tolerance curves as single pixels; for a conic, none over the central hole.
void PointsToleranceEcran(Canvas& c, const EchelleTolerances& e, const DonneesTolerances& d) {
    const BandeTolerance bande = d.Feuille.Bande();
    const bool conique = d.Feuille.CoefDeformation != 0;
    const double bordTrou = d.TrouCentral / 2 * e.EchelleX;
    for (int i = 1; i <= PointsTolerance; ++i) {
        const double h = Rayon(i, d);
        const int x = EnPixel(h * e.EchelleX);
        if (conique && !(x > bordTrou)) continue;
        for (const auto& tolerance : {TolSup(h, bande), TolInf(h, bande)})
            if (tolerance) c.FixePixel(x, e.Zero - EnPixel(*tolerance * e.EchelleY), Noir);
    }
}

void CourbeTheoriquePapier(Canvas& c, const Aire& a, const EchelleTolerances& e,
                           const DonneesTolerances& d) {
    const ResultatFeuille& f = d.Feuille;
    Point avant{a.Gauche, a.Haut + e.Zero};
    for (int i = 1; i <= PointsTolerance; ++i) {
        const double h = Rayon(i, d);
        const Point point{
            a.Gauche + EnPixel(h * e.EchelleX),
            EnPixel(h * h * f.CoefDeformation / f.RayonCourbure * e.EchelleY + e.Zero) + a.Haut};
        if (avant.X >= a.Gauche + e.BordTrou) Segment(c, avant.X, avant.Y, point.X, point.Y);
        avant = point;
    }
}

void PointsTolerancePapier(Canvas& c, const Aire& a, const MiseEnPage& m,
                           const EchelleTolerances& e, const DonneesTolerances& d) {
    const BandeTolerance bande = d.Feuille.Bande();
    const bool conique = d.Feuille.CoefDeformation != 0;
    const int demi = m.DemiPoint;
    const int y0 = a.Haut + e.Zero;
    auto carre = [&c, demi](int x, int y) { c.Rectangle(x - demi, y - demi, x + demi, y + demi); };
    for (int i = 1; i <= PointsTolerance; ++i) {
        const double h = Rayon(i, d);
        const int x = a.Gauche + EnPixel(h * e.EchelleX);
        if (conique && x < a.Gauche + e.BordTrou) continue;
        if (const auto sup = TolSup(h, bande)) {
            const int y = y0 - EnPixel(*sup * e.EchelleY);
            if (y > a.Haut) carre(x, y);
        }
        if (const auto inf = TolInf(h, bande)) {
            const int y = y0 - EnPixel(*inf * e.EchelleY);
            if (y < a.Haut + a.Hauteur) carre(x, y);
        }
    }
}

// The grey band over the central hole, without outline.
void BandeTrouCentral(Canvas& c, const Aire& a, const EchelleTolerances& e,
                      const DonneesTolerances& d) {
    if (!e.Valide || !(d.TrouCentral > SeuilTrou)) return;
    c.FixeBrosse(Brosse{Argent, StyleBrosse::Plein});
    c.FixeStylePlume(StylePlume::Invisible);
    c.Rectangle(a.Gauche, a.Haut, a.Gauche + e.BordTrou, a.Haut + a.Hauteur);
    c.FixeStylePlume(StylePlume::Plein);
}

} // namespace

EchelleTolerances EchelleGrapheTolerances(const DonneesTolerances& d, int largeur, int hauteur) {
    EchelleTolerances e;
    e.Zero = hauteur / 2;
    const ResultatFeuille& f = d.Feuille;
    const double ds = d.DiametreSerie;
    if (!f.Calculee() || f.NombreZones < 1 || largeur <= 0 || hauteur <= 0 || !(ds > 0) ||
        !std::isfinite(ds))
        return e;
    const auto bord = TolSup(ds / 2, f.Bande());
    const ZoneFeuille& premiere = f.Zones[1];
    if (!bord || !premiere.TolSup || !premiere.TolInf) return e;
    double etendue = f.CoefDeformation != 0 ? *bord - *premiere.TolInf : 2 * *premiere.TolSup;
    etendue = std::max(etendue, *premiere.TolSup - *premiere.TolInf);
    const double sy = hauteur / etendue / 1.1;
    const double sx = 2.0 * largeur / ds;
    if (!(etendue > 0) || !std::isfinite(etendue) || !(sy > 0) || !std::isfinite(sy) || !(sx > 0) ||
        !std::isfinite(sx))
        return e;
    e.Etendue = etendue;
    e.EchelleY = sy;
    e.EchelleX = sx;
    e.Zero = std::max(EnPixel(*bord * 1.01 * sy), hauteur / 2);
    e.Pas = PasGraduations(etendue);
    e.BordTrou = d.TrouCentral > SeuilTrou ? Tronque(sx * d.TrouCentral / 2) : 0;
    e.Valide = true;
    return e;
}

void DessineGrapheTolerances(Canvas& c, int largeur, int hauteur, const DonneesTolerances& d) {
    const EchelleTolerances e = EchelleGrapheTolerances(d, largeur, hauteur);
    const Aire a{0, 0, largeur, hauteur, 1, false};
    c.FixePlume(Plume{});
    c.FixeBrosse(Brosse{});
    c.RemplitRectangle(0, 0, largeur, hauteur);
    BandeTrouCentral(c, a, e, d);
    c.FixeBrosse(Brosse{Noir, StyleBrosse::Vide});
    c.Rectangle(0, 0, largeur, hauteur);
    c.FixeBrosse(Brosse{});
    c.FixePolice(Police{std::string(PoliceArial), HauteurEtiquettesEcran, false});
    if (e.Valide) {
        Graduations(c, a, e, d);
        Zones(c, a, e, d.Feuille);
        if (d.Feuille.CoefDeformation != 0) CourbeTheoriqueEcran(c, largeur, hauteur, e, d);
        c.FixePlume(Plume{});
        PointsToleranceEcran(c, e, d);
    }
    Segment(c, 0, e.Zero, largeur, e.Zero);
}

void DessineGrapheTolerancesPapier(Canvas& c, const MiseEnPage& m, const ZoneGraphe& zone,
                                   const DonneesTolerances& d) {
    const Plume plume = c.PlumeCourante();
    const Brosse brosse = c.BrosseCourante();
    const Police police = c.PoliceCourante();
    const EchelleTolerances e = EchelleGrapheTolerances(d, zone.Largeur, zone.Hauteur);
    const Aire a{zone.Gauche, zone.Haut, zone.Largeur, zone.Hauteur, m.UnitePoint, true};
    const int droite = a.Gauche + a.Largeur;
    const int bas = a.Haut + a.Hauteur;

    c.FixePlume(Plume{Noir, StylePlume::Plein, m.UnitePoint});
    c.FixeBrosse(Brosse{});
    c.Rectangle(a.Gauche, a.Haut, droite, bas);
    BandeTrouCentral(c, a, e, d);
    c.FixeBrosse(Brosse{});
    Pourtour(c, a.Gauche, a.Haut, droite, bas);
    Segment(c, a.Gauche, a.Haut + e.Zero, droite, a.Haut + e.Zero);
    c.FixePolice(Police{std::string(PoliceArial), 0, false});
    c.FixeTaillePolice(TailleEtiquettesPapier);
    if (e.Valide) {
        Graduations(c, a, e, d);
        Zones(c, a, e, d.Feuille);
        if (d.Feuille.CoefDeformation != 0) CourbeTheoriquePapier(c, a, e, d);
        c.FixeLargeurPlume(1);
        PointsTolerancePapier(c, a, m, e, d);
    }
    c.FixePlume(plume);
    c.FixeBrosse(brosse);
    c.FixePolice(police);
}

} // namespace tarvo
