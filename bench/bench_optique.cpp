#include "optics/Feuille.h"
#include "optics/Reduction.h"
#include "optics/Zonage.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace tarvo {
namespace {

// A 600 mm F/4 paraboloid on its proposed 10-zone mask, both diameters measured, with
// zonal errors and a different focus on each so that the constant search has work to do.
Document Miroir600() {
    Document doc;
    doc.Diametre = doc.DiametreSerie = 600;
    doc.Focale = doc.FocaleSerie = 2400;
    doc.Epaisseur = 60;
    doc.CoefDeformation = -1;
    ChoisitNombreZones(doc);
    double interieur = 0;
    for (int i = 1; i <= doc.NombreZones; ++i) {
        const double h = doc.Zones[i][RayonExterieur];
        const double hm = (interieur + h) / 2;
        interieur = h;
        for (int k = 1; k <= 2; ++k) {
            doc.Lectures[0][LigneMoyennes][k] = 10;
            doc.Lectures[i][LigneMoyennes][k] =
                hm * hm / 4800 + 2.5 * k + 0.05 * std::sin(i * 1.7 + k) + 0.3 * (i == 1);
        }
    }
    return doc;
}

void ReductionDixZonesDeuxDiametres(benchmark::State& etat) {
    Document doc = Miroir600();
    for (auto _ : etat) {
        ResultatReduction r = CalculeBulletin(doc);
        benchmark::DoNotOptimize(r);
    }
    if (!CalculeBulletin(doc).Calculee()) etat.SkipWithError("série non réduite");
}
BENCHMARK(ReductionDixZonesDeuxDiametres);

void FeuilleDeTravail(benchmark::State& etat) {
    Document doc = Miroir600();
    for (auto _ : etat) {
        ResultatFeuille f = CalculeFeuille(doc);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(FeuilleDeTravail);

} // namespace
} // namespace tarvo
