// Opening and saving a document of 1,000 series: the reader goes through every series up to
// the one asked for, and a save copies every older series line by line.

#include "GrosDocument.h"
#include "cli/DialoguesEnregistres.h"
#include "document/Conversions.h"
#include "document/Document.h"
#include "document/Enregistrement.h"
#include "document/Lecteur.h"
#include "platform/Services.h"
#include "support/FenetreFactice.h"
#include "support/FichiersMemoire.h"
#include "support/SystemeFixe.h"

#include <benchmark/benchmark.h>

namespace tarvo {
namespace {

using bench::GrosDocument;
using bench::Series;

struct Banc {
    Banc() { fichiers.Contenus["miroir.bdc"] = GrosDocument(); }
    // The Open sequence: reset, then read up to `serie` (-1: the last).
    void Ouvre(Document& doc, int serie) {
        InitialiseDocument(doc, 46365);
        doc.NomFichier = doc.NomPropose = "miroir.bdc";
        doc.SerieDemandee = serie;
        LireDocument(doc, fichiers, dialogues);
    }
    test::FichiersMemoire fichiers;
    DialoguesEnregistres dialogues;
};

void OuvrirALaDerniereSerie(benchmark::State& etat) {
    Banc banc;
    Document doc;
    for (auto _ : etat) {
        banc.Ouvre(doc, -1);
        benchmark::DoNotOptimize(doc.Lectures);
    }
    if (doc.SerieCourante != Series || !banc.dialogues.Messages.empty())
        etat.SkipWithError("lecture incomplète");
    etat.counters["octets"] = static_cast<double>(banc.fichiers.Contenus["miroir.bdc"].size());
}
BENCHMARK(OuvrirALaDerniereSerie)->Unit(benchmark::kMillisecond);

void OuvrirALaPremiereSerie(benchmark::State& etat) {
    Banc banc;
    Document doc;
    for (auto _ : etat) {
        banc.Ouvre(doc, 1);
        benchmark::DoNotOptimize(doc.Lectures);
    }
    if (doc.SerieCourante != 1) etat.SkipWithError("lecture incomplète");
}
BENCHMARK(OuvrirALaPremiereSerie)->Unit(benchmark::kMillisecond);

// Save of the last series after an open: 999 series copied, the one in memory written, the
// previous file kept as the backup. The file holds the same document after each save, so
// every iteration does the same work.
void Enregistrer(benchmark::State& etat) {
    Banc banc;
    Document doc;
    banc.Ouvre(doc, -1);
    doc.NombreSeries = doc.SerieCourante;
    test::SystemeFixe systeme;
    test::FenetreFactice fenetre;
    Services services{banc.fichiers, banc.dialogues, systeme, fenetre};
    Historique historique;
    for (auto _ : etat) {
        EnregistreDocument(doc, services, historique);
        if (!doc.EnregistrementReussi) etat.SkipWithError("enregistrement refusé");
        banc.fichiers.Journal.clear();
    }
}
BENCHMARK(Enregistrer)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvo
