// One redraw of the characteristics page, as every committed value causes: through the
// Qt canvas on the page bitmap, and through the recording canvas of the tests.

#include "document/Document.h"
#include "pages/PageCaracteristiques.h"
#include "platform/qt/CanvasQt.h"
#include "support/SurfaceFactice.h"
#include "support/SystemeFixe.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

using namespace tarvo;

struct SurfaceQt : test::SurfaceFactice {
    SurfaceQt() : bitmap(1000, 1000, QImage::Format_RGB32), canvas(bitmap) {}
    Canvas& CanvasFenetre() override { return canvas; }
    QImage bitmap;
    CanvasQt canvas;
};

void Remplit(Document& doc, double jour) {
    InitialiseDocument(doc, jour);
    doc.Intitule = "Miroir de 200 mm";
    doc.Diametre = doc.DiametreSerie = 200;
    doc.Focale = doc.FocaleSerie = 1200;
    doc.Epaisseur = 33;
    doc.TrouCentral = 40;
    doc.NombreZones = 5;
    for (int i = 1; i <= 5; ++i) doc.Zones[static_cast<std::size_t>(i)][RayonExterieur] = 20.0 * i;
}

QGuiApplication& Application() {
    static int argc = 3;
    static char nom[] = "bench_pages";
    static char option[] = "-platform";
    static char plateforme[] = "offscreen";
    static char* argv[] = {nom, option, plateforme, nullptr};
    static QGuiApplication application(argc, argv);
    return application;
}

void BM_CaracteristiquesQt(benchmark::State& etat) {
    Application();
    Document doc;
    test::SystemeFixe systeme;
    Remplit(doc, systeme.Jour);
    SurfaceQt surface;
    MiseEnPage miseEnPage;
    CadresPage cadres;
    bool modeImpression = false;
    EtatPages etatPages;
    ContextePage page{doc, surface, systeme, miseEnPage, cadres, modeImpression, etatPages};
    for (auto _ : etat) {
        surface.Journal.clear();
        AfficheCaracteristiques(page);
        // The window ends the painting before it shows the bitmap.
        surface.canvas.Termine();
        benchmark::DoNotOptimize(surface.bitmap.constBits());
    }
}
BENCHMARK(BM_CaracteristiquesQt)->Unit(benchmark::kMicrosecond);

void BM_CaracteristiquesEnregistreur(benchmark::State& etat) {
    Document doc;
    test::SystemeFixe systeme;
    Remplit(doc, systeme.Jour);
    test::SurfaceFactice surface;
    MiseEnPage miseEnPage;
    CadresPage cadres;
    bool modeImpression = false;
    EtatPages etatPages;
    ContextePage page{doc, surface, systeme, miseEnPage, cadres, modeImpression, etatPages};
    for (auto _ : etat) {
        surface.Journal.clear();
        surface.Ecran.Traces.clear();
        AfficheCaracteristiques(page);
        benchmark::DoNotOptimize(surface.Ecran.Traces.data());
    }
}
BENCHMARK(BM_CaracteristiquesEnregistreur)->Unit(benchmark::kMicrosecond);

} // namespace
