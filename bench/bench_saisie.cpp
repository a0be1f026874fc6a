// A keystroke in the editor to the value validated and the page redrawn through the Qt
// canvas: Enter on a reading of the measurements page (the cell moves on), and Enter on the
// series diameter of the test report (the reduction and both graphs drawn again).

#include "SurfaceQt.h"
#include "cli/DialoguesEnregistres.h"
#include "cli/Ouverture.h"
#include "entry/Clavier.h"
#include "entry/ContexteSaisie.h"
#include "entry/Placement.h"
#include "pages/bulletin/PageBulletin.h"
#include "pages/commun/ContextePage.h"
#include "pages/mesures/PageMesures.h"
#include "posix/FichiersPosix.h"
#include "support/SystemeFixe.h"

#include <benchmark/benchmark.h>

namespace tarvo {
namespace {

// The example document in the editor's world, its redraw running the real drawer.
struct Banc : ProgrammeSaisie {
    explicit Banc(std::string page) : Page(std::move(page)) {
        FichiersPosix fichiers;
        DialoguesEnregistres muets;
        ok = OuvreDocumentSansFenetre(
            doc, std::string(TARVO_SOURCE_DIR) + "/examples/miroir-200-f6.bdc", systeme.Jour,
            std::nullopt, fichiers, muets);
        AffichePage();
    }
    void AffichePage() override {
        ContextePage page{doc, surface, systeme, miseEnPage, cadres, impression, pages, saisie};
        if (Page == "Bulletin")
            AfficheBulletin(page);
        else
            AfficheMesures(page, ModeMesures::Edition);
        surface.Termine();
    }
    void MetAJourActions() override {}

    Document doc;
    test::SystemeFixe systeme;
    bench::SurfaceQt surface;
    MiseEnPage miseEnPage;
    CadresPage cadres;
    EtatPages pages;
    EtatSaisie saisie;
    DialoguesEnregistres dialogues;
    std::string Page;
    bool impression = false;
    bool messageAffiche = false;
    bool ok = false;
    ContexteSaisie c{doc,       saisie,  cadres, miseEnPage,     pages, surface,
                     dialogues, systeme, Page,   messageAffiche, *this};
};

void BM_EntreeLectureMesures(benchmark::State& etat) {
    bench::Application();
    Banc banc("EditionMesures");
    if (!banc.ok) etat.SkipWithError("exemple illisible");
    int n = 0;
    for (auto _ : etat) {
        etat.PauseTiming();
        banc.saisie.ChampCourant = Champ::Lecture;
        banc.saisie.LigneCourante = banc.saisie.ColonneCourante = banc.saisie.DiametreCourant = 1;
        banc.AffichePage();
        banc.surface.FixeTexteSaisie(++n % 2 ? "1.25" : "1.125");
        etat.ResumeTiming();
        FicheSaisieKeyPress(banc.c, U'\r');
    }
    if (banc.saisie.ColonneCourante != 2) etat.SkipWithError("la cellule n'a pas avancé");
}
BENCHMARK(BM_EntreeLectureMesures)->Unit(benchmark::kMicrosecond);

void BM_EntreeDiametreBulletin(benchmark::State& etat) {
    bench::Application();
    Banc banc("Bulletin");
    if (!banc.ok) etat.SkipWithError("exemple illisible");
    int n = 0;
    for (auto _ : etat) {
        etat.PauseTiming();
        PlaceEditeur(banc.c, Champ::DiametreSerie);
        banc.surface.FixeTexteSaisie(++n % 2 ? "199" : "200");
        etat.ResumeTiming();
        FicheSaisieKeyPress(banc.c, U'\r');
    }
    if (banc.doc.DiametreSerie < 199) etat.SkipWithError("diamètre non validé");
}
BENCHMARK(BM_EntreeDiametreBulletin)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvo
