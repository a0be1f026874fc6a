#include "optics/MasqueCouder.h"

#include "optics/TexteEnLangue.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvo {

namespace {

// Angular step of the arcs: their chords then stray less than 0.01 mm from a 1 m circle.
constexpr double PasArc = 0.25 * std::numbers::pi / 180;

// Points of the circle of radius r from angle a to b (radians), both ends included.
void Arc(std::vector<PointMm>& points, double r, double a, double b) {
    const int pas = std::max(1, static_cast<int>(std::ceil(std::fabs(b - a) / PasArc)));
    for (int k = 0; k <= pas; ++k) {
        const double t = a + (b - a) * k / pas;
        points.push_back({r * std::cos(t), r * std::sin(t)});
    }
}

// The window of the first quadrant between the circles a and b, right of x = x0, in the band
// y0..y1; empty when that region is empty.
std::vector<PointMm> Quadrant(double a, double b, double x0, double y0, double y1) {
    std::vector<PointMm> contour;
    const double haut = std::min(y1, std::sqrt(std::max(b * b - x0 * x0, 0.0)));
    if (!(haut > y0) || !(b > a)) return contour;
    // Up along the outer arc, from the band's bottom edge to its top or to the bridge.
    Arc(contour, b, std::asin(y0 / b), std::asin(haut / b));
    // Down the inner side: the bridge x = x0, then the inner arc where it lies beyond it.
    const double coin = a > x0 ? std::sqrt(a * a - x0 * x0) : 0;
    if (haut > coin) {
        contour.push_back({x0, haut});
        contour.push_back({x0, std::max(coin, y0)});
    }
    if (coin > y0) {
        std::vector<PointMm> interieur;
        Arc(interieur, a, std::asin(std::min(coin, haut) / a), std::asin(y0 / a));
        contour.insert(contour.end(), interieur.begin(), interieur.end());
    }
    return contour;
}

} // namespace

std::vector<PointMm> Cercle(double rayon, double pasDegres) {
    std::vector<PointMm> points;
    const int pas = std::max(8, static_cast<int>(std::ceil(360 / std::max(pasDegres, 1e-3))));
    for (int k = 0; k < pas; ++k) {
        const double t = 2 * std::numbers::pi * k / pas;
        points.push_back({rayon * std::cos(t), rayon * std::sin(t)});
    }
    return points;
}

namespace {

ResultatMasque Calcule(const Document& doc, Systeme* systeme) {
    ResultatMasque resultat;
    const int n = doc.NombreZones;
    const double diametre = doc.DiametreSerie;
    if (n < 1 || n > ZonesMax || !(diametre > 1) || !std::isfinite(diametre)) {
        resultat.Motif = TexteEnLangue(
            systeme,
            TARVO_NOOP("Pages",
                       "Le diamètre de la série et ses zones ne décrivent pas de masque."));
        return resultat;
    }
    GeometrieMasque m;
    m.RayonMiroir = diametre / 2;
    m.RayonTrou = doc.TrouCentralSerie > 0.0001 ? doc.TrouCentralSerie / 2 : 0;
    m.Hauteur = std::clamp(diametre / 8, 10.0, 40.0);
    m.Pont = std::clamp(diametre / 50, 2.0, 5.0);
    m.RayonDecoupe = m.RayonMiroir + std::max(5.0, diametre / 40);
    double interieur = m.RayonTrou;
    for (int i = 1; i <= n; ++i) {
        const double exterieur = i == n ? m.RayonMiroir : doc.Zones[i][RayonExterieur];
        if (!std::isfinite(exterieur) || !(exterieur > interieur) || exterieur > m.RayonMiroir) {
            resultat.Motif = TexteEnLangue(
                systeme, TARVO_NOOP("Pages", "Les rayons des zones doivent croître du bord du "
                                             "trou central jusqu'au bord du miroir."));
            return resultat;
        }
        const std::vector<PointMm> quart =
            Quadrant(interieur, exterieur, m.Pont / 2, m.Pont / 2, m.Pont / 2 + m.Hauteur);
        if (quart.size() < 3) {
            resultat.Motif = Remplace(
                TexteEnLangue(systeme, TARVO_NOOP("Pages", "La zone %1 est trop étroite pour y "
                                                           "ouvrir une fenêtre.")),
                {std::to_string(i)});
            return resultat;
        }
        // Odd zones above the diameter, even ones below; each on both sides.
        const double sens = i % 2 == 1 ? 1 : -1;
        for (const int cote : {-1, 1}) {
            FenetreMasque f;
            f.Zone = i;
            f.Cote = cote;
            f.RayonInterieur = interieur;
            f.RayonExterieur = exterieur;
            for (const PointMm& p : quart)
                f.Contour.push_back({cote * p.X, sens * p.Y});
            // Half-way up the window, half-way across it.
            double haut = 0;
            for (const PointMm& p : quart)
                haut = std::max(haut, p.Y);
            const double y = (m.Pont / 2 + haut) / 2;
            const double gauche =
                std::max(m.Pont / 2, std::sqrt(std::max(interieur * interieur - y * y, 0.0)));
            const double droite = std::sqrt(std::max(exterieur * exterieur - y * y, 0.0));
            f.Milieu = {cote * (gauche + droite) / 2, sens * y};
            m.Fenetres.push_back(std::move(f));
        }
        interieur = exterieur;
    }
    resultat.Masque = std::move(m);
    return resultat;
}

} // namespace

ResultatMasque CalculeMasque(const Document& doc) {
    return Calcule(doc, nullptr);
}

ResultatMasque CalculeMasque(const Document& doc, Systeme& systeme) {
    return Calcule(doc, &systeme);
}

} // namespace tarvo
