#include "optics/Analyse.h"
#include "optics/Feuille.h"
#include "optics/Reduction.h"
#include "optics/Reechantillonnage.h"
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

// The same mirror with ten lines on each diameter, scattered as real readings are.
Document Miroir600Lignes() {
    Document doc = Miroir600();
    for (int k = 1; k <= 2; ++k)
        for (int j = 1; j <= LignesMesure; ++j) {
            doc.Lectures[0][j][k] = 1;
            for (int i = 1; i <= doc.NombreZones; ++i)
                doc.Lectures[i][j][k] =
                    doc.Lectures[i][LigneMoyennes][k] + 0.02 * std::sin(j * 2.3 + i * 0.7 + k);
        }
    CalculeMoyennes(doc);
    return doc;
}

// The analysis page's figures without the bootstrap: the reduction, the RMS, the Strehl
// ratio and the fitted conic with its error.
void FiguresAnalyseDixZones(benchmark::State& etat) {
    Document doc = Miroir600Lignes();
    for (auto _ : etat) {
        const ResultatReduction r = CalculeBulletin(doc);
        FiguresAnalyse f = CalculeFigures(r, doc);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(FiguresAnalyseDixZones);

void FiguresSeulesDixZones(benchmark::State& etat) {
    Document doc = Miroir600Lignes();
    const ResultatReduction r = CalculeBulletin(doc);
    for (auto _ : etat) {
        FiguresAnalyse f = CalculeFigures(r, doc);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(FiguresSeulesDixZones);

void BootstrapMilleTirages(benchmark::State& etat) {
    Document doc = Miroir600Lignes();
    for (auto _ : etat) {
        IncertitudesAnalyse u = Reechantillonne(doc, 3);
        benchmark::DoNotOptimize(u);
    }
    if (Reechantillonne(doc, 3).Etat != EtatIncertitudes::Calculees)
        etat.SkipWithError("incertitudes non calculées");
}
BENCHMARK(BootstrapMilleTirages)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvo
