// Opening and saving a document of 1,000 series: the reader goes through every series up to
// the one asked for, and a save copies every older series line by line.

#include "app/cli/DialoguesEnregistres.h"
#include "document/Conversions.h"
#include "document/Document.h"
#include "document/Enregistrement.h"
#include "document/Lecteur.h"
#include "platform/Services.h"
#include "support/FenetreFactice.h"
#include "support/FichiersMemoire.h"
#include "support/SystemeFixe.h"

#include <benchmark/benchmark.h>

#include <random>

namespace tarvo {
namespace {

constexpr int Series = 1000;
constexpr int Zones = 6;

// A mirror of 300 mm followed for years: 6 zones, both diameters read, a comment of one to
// three lines on every series.
std::string GrosDocument() {
    std::mt19937 alea(42);
    std::uniform_int_distribution<int> bruit(-15, 15);
    std::string t;
    const auto ligne = [&t](const std::string& l) { t += l + "\r\n"; };
    const auto nombre = [&ligne](double v) { ligne(TexteFichier(v)); };
    ligne("tarvo 2.5.3");
    ligne("\"Miroir percé 300 F/5 Pyrex\"");
    for (const double v : {300.0, 1500.0, 40.0, -1.0, 60.0}) nombre(v);
    nombre(Zones);
    for (const double r : {66.0, 87.0, 105.0, 121.0, 136.0, 150.0}) nombre(r);
    for (int s = 1; s <= Series; ++s) {
        nombre(40000 + s);
        nombre(300);
        nombre(1500 + s % 7 * 0.5);
        nombre(70);
        for (int k = 1; k <= 2; ++k)
            for (int j = 1; j <= LignesMesure; ++j) {
                nombre(j <= 8 ? 1 : 0);
                for (int i = 1; i <= Zones; ++i) nombre(1.1 * i + s * 0.001 + bruit(alea) * 0.001);
            }
        switch (s % 3) {
        case 0: ligne("\"\""); break;
        case 1: ligne("\"Série " + std::to_string(s) + " : bord légèrement rabattu\""); break;
        default:
            ligne("\"Parabolisation en cours, W 40 min");
            ligne("ombre plus douce en zone 3");
            ligne("à reprendre demain\"");
        }
        ligne("\"-\"");
    }
    return t;
}

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
