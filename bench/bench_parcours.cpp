// One step back through the series of a 1,000-series document on its test report, as F4
// or the arrow does it: the file read again up to the series before, then the report
// redrawn (reduction included).

#include "GrosDocument.h"
#include "app/BancProgramme.h"
#include "app/Commandes.h"

#include <benchmark/benchmark.h>

namespace tarvo {
namespace {

void SerieAnterieure(benchmark::State& etat) {
    test::BancProgramme banc;
    Programme& p = banc.programme;
    FormCreate(p, {});
    banc.fichiers.Contenus["miroir.bdc"] = bench::GrosDocument();
    banc.dialogues.FichiersChoisis.push_back("miroir.bdc");
    FileOpen1Execute(p);
    ExecuteAction(p, Action::BulletinDeControle);
    if (p.Doc.SerieCourante != bench::Series || p.Etat.PageCourante != PageBulletin)
        etat.SkipWithError("ouverture incomplète");
    for (auto _ : etat) {
        SeriePrecedente(p);
        etat.PauseTiming();
        if (p.Doc.SerieCourante != bench::Series - 1) etat.SkipWithError("série non lue");
        SerieSuivante(p);
        banc.surface.Ecran.Traces.clear();
        etat.ResumeTiming();
    }
}
BENCHMARK(SerieAnterieure)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvo
