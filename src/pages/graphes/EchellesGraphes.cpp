#include "pages/graphes/EchellesGraphes.h"

#include <cmath>

namespace tarvo {

namespace {

struct Palier {
    double Jusqua; // last value of the band
    int Pas;
};

constexpr Palier PaliersHorizontaux[] = {{16, 1},   {32, 2},   {66, 4},    {160, 10},
                                         {320, 20}, {600, 40}, {1100, 100}};

constexpr Palier PaliersOnde[] = {
    {80, 10},      {160, 20},     {300, 40},      {400, 50},       {800, 100},
    {1600, 200},   {3000, 400},   {4000, 500},    {8000, 1000},    {16000, 2000},
    {30000, 4000}, {40000, 5000}, {80000, 10000}, {160000, 20000},
};
constexpr int PasOndeMax = 100000;

} // namespace

int PasHorizontal(double diametre) {
    const double a = std::trunc(diametre + 1);
    for (const Palier& p : PaliersHorizontaux)
        if (a <= p.Jusqua) return p.Pas;
    return 0;
}

ResultatEchelleOnde EchelleOnde(const ResultatReduction& r) {
    ResultatEchelleOnde e;
    const int n = r.NombreZones >= 0 && r.NombreZones <= ZonesMax ? r.NombreZones : 0;
    const Parabole& p = r.Parabole.Coefficients;
    auto retient = [&e](double v) {
        if (v > e.Max) e.Max = v;
        if (v < e.Min) e.Min = v;
    };
    for (int i = 0; i <= n; ++i) {
        const ZoneBulletin& z = r.Zones[static_cast<std::size_t>(i)];
        retient(z.Onde);
        retient(p.A * z.RayonExterieur * z.RayonExterieur + p.B);
    }
    const double etendue = e.Max - e.Min;
    e.Etendue = etendue < 70 ? 70 : etendue;
    e.ZeroEnHaut = etendue / 10 > e.Max;
    const double pas = std::trunc(e.Etendue + 1);
    e.Pas = PasOndeMax;
    for (const Palier& palier : PaliersOnde)
        if (pas <= palier.Jusqua) {
            e.Pas = palier.Pas;
            break;
        }
    e.Echantillon = e.Pas <= 100     ? "00000"
                    : e.Pas <= 1000  ? "000000"
                    : e.Pas <= 5000  ? "0000000"
                    : e.Pas <= 20000 ? "00000000"
                                     : "000000000";
    return e;
}

} // namespace tarvo
