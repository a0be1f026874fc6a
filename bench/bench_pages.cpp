// One redraw of a page, as every committed value causes: the characteristics page through
// the Qt canvas on the page bitmap and through the recording canvas of the tests; the test
// report (reduction, table and both graphs) through the Qt canvas; the report's PDF.

#include "GrosDocument.h"
#include "SurfaceQt.h"
#include "app/HistoriqueSeries.h"
#include "app/IncertitudesDeFond.h"
#include "app/MoyenneEnCours.h"
#include "cli/DialoguesEnregistres.h"
#include "cli/Ouverture.h"
#include "document/Document.h"
#include "document/IndexSeries.h"
#include "document/Lecteur.h"
#include "pages/analyse/PageAnalyse.h"
#include "pages/bulletin/PageBulletin.h"
#include "pages/caracteristiques/PageCaracteristiques.h"
#include "pages/feuille/PageFeuille.h"
#include "pages/historique/PageHistorique.h"
#include "pages/mesures/PageMesures.h"
#include "posix/FichiersPosix.h"
#include "shell/RenduSansFenetre.h"
#include "support/SurfaceFactice.h"
#include "support/SystemeFixe.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>

namespace {

using namespace tarvo;
using bench::Application;
using bench::SurfaceQt;

// The bundled 200 mm F/6 example at its last series: two diameters measured.
bool OuvreExemple(Document& doc, double jour) {
    FichiersPosix fichiers;
    DialoguesEnregistres dialogues;
    return OuvreDocumentSansFenetre(doc,
                                    std::string(TARVO_SOURCE_DIR) + "/examples/miroir-200-f6.bdc",
                                    jour, std::nullopt, fichiers, dialogues);
}

void Remplit(Document& doc, double jour) {
    InitialiseDocument(doc, jour);
    doc.Intitule = "Miroir de 200 mm";
    doc.Diametre = doc.DiametreSerie = 200;
    doc.Focale = doc.FocaleSerie = 1200;
    doc.Epaisseur = 33;
    doc.TrouCentral = 40;
    doc.NombreZones = 5;
    for (int i = 1; i <= 5; ++i)
        doc.Zones[static_cast<std::size_t>(i)][RayonExterieur] = 20.0 * i;
}

// A page drawer's world on a surface of type S, the document filled by `prepare`.
template <typename S> struct Banc {
    template <typename Prepare> explicit Banc(Prepare prepare) { ok = prepare(doc, systeme.Jour); }
    Document doc;
    test::SystemeFixe systeme;
    S surface;
    MiseEnPage miseEnPage;
    CadresPage cadres;
    bool modeImpression = false;
    EtatPages etatPages;
    EtatSaisie saisie;
    ContextePage page{doc, surface, systeme, miseEnPage, cadres, modeImpression, etatPages, saisie};
    bool ok = true;
};

bool Caracteristiques(Document& doc, double jour) {
    Remplit(doc, jour);
    return true;
}

void BM_CaracteristiquesQt(benchmark::State& etat) {
    Application();
    Banc<SurfaceQt> banc(Caracteristiques);
    for (auto _ : etat) {
        banc.surface.Journal.clear();
        AfficheCaracteristiques(banc.page);
        // The window ends the painting before it shows the bitmap.
        banc.surface.Termine();
        benchmark::DoNotOptimize(banc.surface.bitmap.constBits());
    }
}
BENCHMARK(BM_CaracteristiquesQt)->Unit(benchmark::kMicrosecond);

void BM_CaracteristiquesEnregistreur(benchmark::State& etat) {
    Banc<test::SurfaceFactice> banc(Caracteristiques);
    for (auto _ : etat) {
        banc.surface.Journal.clear();
        banc.surface.Ecran.Traces.clear();
        AfficheCaracteristiques(banc.page);
        benchmark::DoNotOptimize(banc.surface.Ecran.Traces.data());
    }
}
BENCHMARK(BM_CaracteristiquesEnregistreur)->Unit(benchmark::kMicrosecond);

void BM_BulletinQt(benchmark::State& etat) {
    Application();
    Banc<SurfaceQt> banc(OuvreExemple);
    if (!banc.ok) etat.SkipWithError("exemple illisible");
    for (auto _ : etat) {
        banc.surface.Journal.clear();
        AfficheBulletin(banc.page);
        banc.surface.Termine();
        benchmark::DoNotOptimize(banc.surface.bitmap.constBits());
    }
    if (!banc.surface.Controles[Controle::Dessin2].Visible) etat.SkipWithError("graphes absents");
}
BENCHMARK(BM_BulletinQt)->Unit(benchmark::kMicrosecond);

// The analysis page redrawn (its figures, table, profile and band) once its bootstrap is
// known, as every redraw after the first finds it; and the first drawing, which only asks
// for it.
void BM_AnalyseQt(benchmark::State& etat) {
    Application();
    Banc<SurfaceQt> banc(OuvreExemple);
    if (!banc.ok) etat.SkipWithError("exemple illisible");
    IncertitudesDeFond incertitudes{nullptr};
    banc.etatPages.Incertitudes = &incertitudes;
    AfficheAnalyse(banc.page);
    for (auto _ : etat) {
        banc.surface.Journal.clear();
        AfficheAnalyse(banc.page);
        banc.surface.Termine();
        benchmark::DoNotOptimize(banc.surface.bitmap.constBits());
    }
}
BENCHMARK(BM_AnalyseQt)->Unit(benchmark::kMicrosecond);

// The history page of a 1,000- or 10,000-series document, opened as the window opens it
// (its index of the series' places built by the read): the first drawing, which reads and
// reduces every series, and a redraw, which finds them reduced.
struct FichierHistorique {
    explicit FichierHistorique(int series) : Nom("bench-historique-" + std::to_string(series) + ".bdc") {
        FichiersPosix fichiers;
        Ecrit = fichiers.Ecrit(Nom, bench::GrosDocument(series));
    }
    ~FichierHistorique() { std::remove(Nom.c_str()); }
    bool Ouvre(Document& doc, double jour) {
        FichiersPosix fichiers;
        DialoguesEnregistres dialogues;
        InitialiseDocument(doc, jour);
        doc.NomFichier = Nom;
        LireDocument(doc, fichiers, dialogues, nullptr, &Index);
        doc.NombreSeries = doc.SerieCourante;
        return Ecrit && doc.FichierOuvert;
    }
    std::string Nom;
    bool Ecrit = false;
    IndexSeries Index;
};

// The drawing measured, in a function of its own so that an instruction count can single it
// out.
[[gnu::noinline]] void DessineHistorique(Banc<SurfaceQt>& banc) {
    AfficheHistorique(banc.page);
    banc.surface.Termine();
}

void BM_HistoriquePremierDessinQt(benchmark::State& etat) {
    const int series = static_cast<int>(etat.range(0));
    Application();
    FichierHistorique fichier(series);
    Banc<SurfaceQt> banc([&fichier](Document& doc, double jour) { return fichier.Ouvre(doc, jour); });
    if (!banc.ok) etat.SkipWithError("document illisible");
    FichiersPosix fichiers;
    for (auto _ : etat) {
        etat.PauseTiming();
        auto historique = std::make_unique<HistoriqueSeries>(fichiers, &fichier.Index);
        banc.etatPages.Historique = historique.get();
        etat.ResumeTiming();
        DessineHistorique(banc);
        benchmark::DoNotOptimize(banc.surface.bitmap.constBits());
        etat.PauseTiming();
        if (static_cast<int>(historique->Series(banc.doc).size()) != series)
            etat.SkipWithError("séries");
        banc.etatPages.Historique = nullptr;
        historique.reset();
        etat.ResumeTiming();
    }
}
BENCHMARK(BM_HistoriquePremierDessinQt)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_HistoriqueQt(benchmark::State& etat) {
    const int series = static_cast<int>(etat.range(0));
    Application();
    FichierHistorique fichier(series);
    Banc<SurfaceQt> banc([&fichier](Document& doc, double jour) { return fichier.Ouvre(doc, jour); });
    if (!banc.ok) etat.SkipWithError("document illisible");
    FichiersPosix fichiers;
    HistoriqueSeries historique(fichiers, &fichier.Index);
    banc.etatPages.Historique = &historique;
    AfficheHistorique(banc.page);
    for (auto _ : etat) {
        DessineHistorique(banc);
        benchmark::DoNotOptimize(banc.surface.bitmap.constBits());
    }
}
BENCHMARK(BM_HistoriqueQt)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The mean of ten series of the big document, ready to show: the pooled lines, the means,
// the mean's reduction and figures for its history line.
void BM_MoyenneDixSeries(benchmark::State& etat) {
    std::vector<Document> series;
    ParcourtSeries(bench::GrosDocument(), [&series](const Document& d) {
        if (series.size() < 10) series.push_back(d);
    });
    std::vector<const Document*> sources;
    for (const Document& d : series) sources.push_back(&d);
    test::SystemeFixe systeme;
    for (auto _ : etat) {
        MoyenneEnCours m = PrepareMoyenne(sources, bench::Series, systeme);
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_MoyenneDixSeries)->Unit(benchmark::kMicrosecond);

// The work sheet with its tolerance graph, and the measurements page in its editing mode,
// on the example document.
void BM_FeuilleQt(benchmark::State& etat) {
    Application();
    Banc<SurfaceQt> banc(OuvreExemple);
    if (!banc.ok) etat.SkipWithError("exemple illisible");
    for (auto _ : etat) {
        banc.surface.Journal.clear();
        AfficheFeuille(banc.page);
        banc.surface.Termine();
        benchmark::DoNotOptimize(banc.surface.bitmap.constBits());
    }
    if (!banc.surface.Controles[Controle::DessinF].Visible) etat.SkipWithError("graphe absent");
}
BENCHMARK(BM_FeuilleQt)->Unit(benchmark::kMicrosecond);

void BM_MesuresQt(benchmark::State& etat) {
    Application();
    Banc<SurfaceQt> banc(OuvreExemple);
    if (!banc.ok) etat.SkipWithError("exemple illisible");
    banc.saisie.LigneCourante = banc.saisie.ColonneCourante = banc.saisie.DiametreCourant = 1;
    for (auto _ : etat) {
        banc.surface.Journal.clear();
        AfficheMesures(banc.page, ModeMesures::Edition);
        banc.surface.Termine();
        benchmark::DoNotOptimize(banc.surface.bitmap.constBits());
    }
}
BENCHMARK(BM_MesuresQt)->Unit(benchmark::kMicrosecond);

// The printed report as `tarvo --pdf` makes it: the screen drawing, then the paper page on
// a PDF printer, written to a file.
void BM_BulletinPdf(benchmark::State& etat) {
    Application();
    Document doc;
    test::SystemeFixe systeme;
    if (!OuvreExemple(doc, systeme.Jour)) etat.SkipWithError("exemple illisible");
    const std::string sortie = "bench-bulletin.pdf";
    for (auto _ : etat) {
        const ResultatRendu rendu =
            RendPageSansFenetre(doc, systeme, "bulletin", FormatRendu::Pdf, sortie);
        if (!rendu.Reussi) etat.SkipWithError(rendu.Message.c_str());
    }
    std::remove(sortie.c_str());
}
BENCHMARK(BM_BulletinPdf)->Unit(benchmark::kMillisecond);

} // namespace
