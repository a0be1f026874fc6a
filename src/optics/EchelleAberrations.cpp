#include "optics/EchelleAberrations.h"

#include "optics/ColonnesZones.h"
#include "optics/Precision.h"

namespace tarvo {

namespace {

// The straight line through the aberrations at two mean radii, taken at radius h. Two
// zones at the same mean radius give no slope: the line is flat at the first one.
double Extrapole(const LigneZone& de, const LigneZone& vers, Etendu h) {
    const Etendu v1 = de[ColonneAberrationTransversale], v2 = vers[ColonneAberrationTransversale];
    const Etendu ecart = static_cast<Etendu>(vers[ColonneHm]) - de[ColonneHm];
    if (ecart == 0) return EnDouble(v1);
    return EnDouble(v1 + (h - de[ColonneHm]) * (v2 - v1) / ecart);
}

} // namespace

ResultatEchelle EchelleAberrations(const TableZones& zones, int n, double demiDiametre,
                                   double rayonTache) {
    ResultatEchelle e;
    auto retient = [&e](double v, int point) {
        const bool plusGrand = v > e.Max && std::fabs(e.FMax) < v;
        const bool plusPetit = v < e.Min && std::fabs(e.FMax) < -v;
        if (v > e.Max) e.Max = v;
        if (v < e.Min) e.Min = v;
        if (plusGrand || plusPetit) {
            e.FMax = v;
            e.PointFMax = point;
        }
    };
    if (n >= 2 && n <= ZonesMax) {
        for (int i = 1; i <= n; ++i)
            retient(zones[i][ColonneAberrationTransversale], i);
        e.AberrationCentre = Extrapole(zones[1], zones[2], 0);
        // Through zone N − 1 and zone N, read from zone N: v(N) + (D/2 − Hm(N)) × slope.
        e.AberrationBord = Extrapole(zones[n], zones[n - 1], demiDiametre);
        retient(e.AberrationBord, n + 1);
    }
    e.Etendue = EnDouble(static_cast<Etendu>(e.Max) - e.Min);
    const double minimum = EnDouble(4 * static_cast<Etendu>(rayonTache));
    if (e.Etendue < minimum) e.Etendue = minimum;
    return e;
}

} // namespace tarvo
