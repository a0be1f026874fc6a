#include "optics/Zonage.h"

#include "optics/Precision.h"

#include <cmath>
#include <cstdint>

namespace tarvo {

namespace {

// Integer part kept in 16 bits, as the proposal always held it: a value out of range wraps.
std::int64_t PartieEntiere16(Etendu x) {
    if (!std::isfinite(x)) return 0;
    return static_cast<std::int64_t>(std::fmod(std::trunc(x), 65536.0L));
}

// x^y as exp(y ln x), the power of 0 (and of a negative width) being 0. It is computed in
// double on purpose: the truncated radii then come out as the program always proposed them
// (400 mm at F/4.5 gives 49 mm, not 50, for the first zone of eight).
double Puissance(double x, double y) {
    return x > 0 ? std::exp(y * std::log(x)) : 0;
}

} // namespace

int NombreZonesPropose(double diametre, double focale, double trouCentral) {
    const auto w =
        static_cast<std::int16_t>(PartieEntiere16(static_cast<Etendu>(diametre) - trouCentral));
    const auto r = diametre > 0 ? static_cast<std::uint16_t>(
                                      PartieEntiere16(10 * static_cast<Etendu>(focale) / diametre))
                                : std::uint16_t{0};
    // Each band of usable diameter adds a zone, each band of focal ratio removes one,
    // from 7 zones for a small and fast mirror; never more than 10, never less than 3.
    int bandeDiametre = 0;
    for (const int seuil : {130, 215, 330, 430, 530, 630, 730})
        if (w >= seuil) ++bandeDiametre;
    int bandeRapport = 0;
    for (const int seuil : {26, 36, 46, 56})
        if (r >= seuil) ++bandeRapport;
    const int n = 7 + bandeDiametre - bandeRapport;
    return n > ZonesMax ? ZonesMax : n;
}

std::array<double, ZonesMax + 1> RayonsZones(double diametre, double trouCentral, int nombreZones) {
    std::array<double, ZonesMax + 1> rayons{};
    if (nombreZones < 1 || !DansLimites(diametre) || !DansLimites(trouCentral)) return rayons;
    const double a = (diametre - trouCentral) / 2;
    const double p = Puissance(a, 1.5) / nombreZones;
    for (int i = 1; i <= ZonesMax; ++i) {
        if (i < nombreZones) {
            const double r = Puissance(i * p, 2.0 / 3.0) + trouCentral / 2;
            rayons[i] = diametre > 4 ? std::trunc(r) : r;
        } else if (i == nombreZones) {
            rayons[i] = diametre / 2;
        }
    }
    return rayons;
}

void ChoisitNombreZones(Document& doc) {
    doc.NombreZones = NombreZonesPropose(doc.Diametre, doc.Focale, doc.TrouCentral);
    CalculeRayonsZones(doc);
}

void CalculeRayonsZones(Document& doc) {
    const auto rayons = RayonsZones(doc.Diametre, doc.TrouCentral, doc.NombreZones);
    for (int i = 1; i <= ZonesMax; ++i)
        doc.Zones[i][RayonExterieur] = rayons[i];
}

} // namespace tarvo
