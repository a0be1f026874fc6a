// The simulated shadows: one picture of 400 x 400 pixels, of the knife and of the grating,
// from the example's last series; and the whole page redrawn through the Qt canvas (its six
// pictures), as each change of a setting causes.

#include "SurfaceQt.h"
#include "cli/DialoguesEnregistres.h"
#include "cli/Ouverture.h"
#include "document/Document.h"
#include "optics/OmbresSimulees.h"
#include "pages/ombres/PageOmbres.h"
#include "posix/FichiersPosix.h"
#include "support/SystemeFixe.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tarvo;

struct Exemple {
    Exemple() {
        FichiersPosix fichiers;
        DialoguesEnregistres dialogues;
        ok = OuvreDocumentSansFenetre(doc,
                                      std::string(TARVO_SOURCE_DIR) + "/examples/miroir-200-f6.bdc",
                                      systeme.Jour, std::nullopt, fichiers, dialogues);
        Document copie = doc;
        reduction = CalculeBulletin(copie, 3);
        rayons = RayonsMesures(reduction, doc.CoefDeformation);
    }
    Document doc;
    test::SystemeFixe systeme;
    ResultatReduction reduction;
    RayonsMiroir rayons;
    bool ok = false;
};

void BM_ImageFoucault400(benchmark::State& etat) {
    const Exemple e;
    if (!e.ok || !e.reduction.Calculee()) etat.SkipWithError("exemple illisible");
    const double couteau = CentreDeZone(e.reduction, e.rayons, ZoneSoixanteDix(e.reduction));
    for (auto _ : etat)
        benchmark::DoNotOptimize(ImageFoucault(e.rayons, couteau, 400).data());
}
BENCHMARK(BM_ImageFoucault400)->Unit(benchmark::kMillisecond);

void BM_ImageRonchi400(benchmark::State& etat) {
    const Exemple e;
    if (!e.ok || !e.reduction.Calculee()) etat.SkipWithError("exemple illisible");
    for (auto _ : etat)
        benchmark::DoNotOptimize(ImageRonchi(e.rayons, -2, 100, 400).data());
}
BENCHMARK(BM_ImageRonchi400)->Unit(benchmark::kMillisecond);

// The page: its reduction, six pictures of 250 px and the setting boxes.
void BM_OmbresQt(benchmark::State& etat) {
    bench::Application();
    Exemple e;
    if (!e.ok) etat.SkipWithError("exemple illisible");
    bench::SurfaceQt surface;
    MiseEnPage miseEnPage;
    CadresPage cadres;
    bool impression = false;
    EtatPages pages;
    EtatSaisie saisie;
    ContextePage page{e.doc, surface, e.systeme, miseEnPage, cadres, impression, pages, saisie};
    for (auto _ : etat) {
        surface.Journal.clear();
        AfficheOmbres(page);
        surface.Termine();
        benchmark::DoNotOptimize(surface.bitmap.constBits());
    }
}
BENCHMARK(BM_OmbresQt)->Unit(benchmark::kMillisecond);

} // namespace
