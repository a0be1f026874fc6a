// The real window (Qt, offscreen) on a document of 1,000 or 10,000 series, each step a user
// takes timed from the command to the page painted: the open to the last series, a step
// back and forth on the report (F4, F5), the history's first drawing and a redraw, a click
// on a history line (that series' report), and a reading typed in a new series.
//
// Run it with QT_QPA_PLATFORM=offscreen (make bench does).

#include "GrosDocument.h"
#include "app/Commandes.h"
#include "app/Programme.h"
#include "shell/CalculsQt.h"
#include "shell/FenetrePrincipale.h"
#include "shell/ZonePage.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>

namespace tarvo {
namespace {

// Ended before the exit frees the statics its own end still uses, as a program's own is.
QApplication& Application() {
    static int argc = 1;
    static char nom[] = "bench_fenetre";
    static char* argv[] = {nom, nullptr};
    static QApplication* application = [] {
        auto* a = new QApplication(argc, argv);
        std::atexit([] { delete QApplication::instance(); });
        return a;
    }();
    return *application;
}

// The settings the window reads and writes stay in a folder of the benchmark's.
const std::string& DossierConfiguration() {
    static const QTemporaryDir dossier;
    static const bool fixe = qputenv("XDG_CONFIG_HOME", dossier.path().toUtf8());
    (void)fixe;
    static const std::string chemin = dossier.path().toStdString();
    return chemin;
}

// The document of `series` series, written once into the benchmark's folder.
std::string Document(int series) {
    static std::map<int, std::string> ecrits;
    auto& nom = ecrits[series];
    if (nom.empty()) {
        nom = DossierConfiguration() + "/miroir-" + std::to_string(series) + ".bdc";
        std::ofstream(nom, std::ios::binary) << bench::GrosDocument(series);
    }
    return nom;
}

// A window started on the document, shown and painted.
std::unique_ptr<FenetrePrincipale> Fenetre(int series) {
    Application();
    auto fenetre = std::make_unique<FenetrePrincipale>();
    fenetre->Demarre({Document(series)});
    fenetre->show();
    QApplication::processEvents();
    return fenetre;
}

void Ferme(std::unique_ptr<FenetrePrincipale>& fenetre) {
    fenetre->Prog().Etat.Fermeture = true;
    fenetre.reset();
}

// The window's background work done, as it is a moment after an open.
void AttendFond(FenetrePrincipale& f) {
    f.Calculs().AttendFin();
    QApplication::processEvents();
}

void Declenche(FenetrePrincipale& f, Action a) {
    f.ActionQt(a)->trigger();
    QApplication::processEvents();
}

void Ouverture(benchmark::State& etat) {
    const int series = static_cast<int>(etat.range(0));
    Application();
    Document(series);
    for (auto _ : etat) {
        etat.PauseTiming();
        auto fenetre = std::make_unique<FenetrePrincipale>();
        etat.ResumeTiming();
        fenetre->Demarre({Document(series)});
        fenetre->show();
        QApplication::processEvents();
        etat.PauseTiming();
        if (fenetre->Prog().Doc.SerieCourante != series) etat.SkipWithError("ouverture");
        Ferme(fenetre);
        etat.ResumeTiming();
    }
}
BENCHMARK(Ouverture)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// One step each iteration, back then forth, so that every step reads another series.
void PasSurLeBulletin(benchmark::State& etat) {
    const int series = static_cast<int>(etat.range(0));
    auto fenetre = Fenetre(series);
    Declenche(*fenetre, Action::BulletinDeControle);
    bool arriere = true;
    for (auto _ : etat) {
        Declenche(*fenetre, arriere ? Action::PageMoins : Action::PagePlus);
        arriere = !arriere;
    }
    if (fenetre->Prog().Doc.SerieCourante < series - 1) etat.SkipWithError("séries");
    Ferme(fenetre);
}
BENCHMARK(PasSurLeBulletin)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void HistoriquePremierDessin(benchmark::State& etat) {
    const int series = static_cast<int>(etat.range(0));
    for (auto _ : etat) {
        etat.PauseTiming();
        auto fenetre = Fenetre(series);
        etat.ResumeTiming();
        Declenche(*fenetre, Action::Historique);
        etat.PauseTiming();
        if (fenetre->Prog().Etat.PageCourante != PageHistorique) etat.SkipWithError("page");
        Ferme(fenetre);
        etat.ResumeTiming();
    }
}
BENCHMARK(HistoriquePremierDessin)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same, asked for as a person does, once the window has had the moment after the open
// that its background work takes.
void HistoriqueApresOuverture(benchmark::State& etat) {
    const int series = static_cast<int>(etat.range(0));
    for (auto _ : etat) {
        etat.PauseTiming();
        auto fenetre = Fenetre(series);
        AttendFond(*fenetre);
        etat.ResumeTiming();
        Declenche(*fenetre, Action::Historique);
        etat.PauseTiming();
        if (fenetre->Prog().Etat.PageCourante != PageHistorique) etat.SkipWithError("page");
        Ferme(fenetre);
        etat.ResumeTiming();
    }
}
BENCHMARK(HistoriqueApresOuverture)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void HistoriqueRedessin(benchmark::State& etat) {
    const int series = static_cast<int>(etat.range(0));
    auto fenetre = Fenetre(series);
    Declenche(*fenetre, Action::Historique);
    for (auto _ : etat) {
        AffichePage(fenetre->Prog());
        QApplication::processEvents();
    }
    Ferme(fenetre);
}
BENCHMARK(HistoriqueRedessin)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A line of the history chosen: that series' report, read from the file and drawn.
void ClicHistorique(benchmark::State& etat) {
    const int series = static_cast<int>(etat.range(0));
    auto fenetre = Fenetre(series);
    int serie = series / 2;
    for (auto _ : etat) {
        etat.PauseTiming();
        Declenche(*fenetre, Action::Historique);
        serie = serie == series / 2 ? series / 2 + 1 : series / 2;
        etat.ResumeTiming();
        OuvreSerieHistorique(fenetre->Prog(), serie);
        QApplication::processEvents();
    }
    if (fenetre->Prog().Doc.SerieCourante != serie) etat.SkipWithError("série");
    Ferme(fenetre);
}
BENCHMARK(ClicHistorique)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void Envoie(QWidget* w, int cle, const QString& texte) {
    QKeyEvent appui(QEvent::KeyPress, cle, Qt::NoModifier, texte);
    QApplication::sendEvent(w, &appui);
    QKeyEvent relache(QEvent::KeyRelease, cle, Qt::NoModifier, texte);
    QApplication::sendEvent(w, &relache);
}

// A reading typed in a new series and Enter: the value validated, the grid drawn again with
// the editor on the next cell.
void LectureTapee(benchmark::State& etat) {
    const int series = static_cast<int>(etat.range(0));
    auto fenetre = Fenetre(series);
    Declenche(*fenetre, Action::NouvellesMesures);
    QLineEdit* saisie = fenetre->Zone().Saisie;
    saisie->setFocus();
    int n = 0;
    for (auto _ : etat) {
        saisie->setText(++n % 2 ? "1.25" : "1.125");
        Envoie(saisie, Qt::Key_Return, "\r");
        QApplication::processEvents();
    }
    if (!fenetre->Prog().Doc.Modifie) etat.SkipWithError("rien saisi");
    Ferme(fenetre);
}
BENCHMARK(LectureTapee)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvo
