// Start-up of the program to its first drawn page: the main window built, the settings
// read, the example document opened and its characteristics page drawn and painted, on
// Qt's offscreen platform.
#include "app/Commandes.h"
#include "app/Programme.h"
#include "shell/FenetrePrincipale.h"
#include "shell/ZonePage.h"

#include <QApplication>
#include <QFont>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

QApplication& Application() {
    static int argc = 3;
    static char nom[] = "bench_demarrage", option[] = "-platform", plateforme[] = "offscreen";
    static char* argv[] = {nom, option, plateforme, nullptr};
    static QApplication application(argc, argv);
    QFont::insertSubstitution("Arial", "Liberation Sans");
    return application;
}

const std::vector<std::string> Exemple{std::string(TARVO_SOURCE_DIR) +
                                       "/examples/miroir-200-f6.bdc"};

// The whole start-up as a user waits for it, to the page painted on the window.
void BM_DemarrageJusquALaPage(benchmark::State& etat) {
    Application();
    for (auto _ : etat) {
        tarvo::FenetrePrincipale fenetre;
        fenetre.Demarre(Exemple);
        const QPixmap page = fenetre.Zone().Fenetre->grab();
        benchmark::DoNotOptimize(page.cacheKey());
    }
}
BENCHMARK(BM_DemarrageJusquALaPage)->Unit(benchmark::kMillisecond);

// The program's own start-up in a window already built: settings, document, first
// drawing on the bitmap.
void BM_FormCreate(benchmark::State& etat) {
    Application();
    tarvo::FenetrePrincipale fenetre;
    for (auto _ : etat) {
        fenetre.Demarre(Exemple);
        benchmark::DoNotOptimize(fenetre.Prog().Doc.NombreSeries);
    }
}
BENCHMARK(BM_FormCreate)->Unit(benchmark::kMillisecond);

// One redraw of the page by the dispatcher, as after every command.
void BM_AffichePage(benchmark::State& etat) {
    Application();
    tarvo::FenetrePrincipale fenetre;
    fenetre.Demarre(Exemple);
    for (auto _ : etat)
        tarvo::AffichePage(fenetre.Prog());
}
BENCHMARK(BM_AffichePage)->Unit(benchmark::kMicrosecond);

} // namespace
