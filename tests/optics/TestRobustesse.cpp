#include "optics/ColonnesZones.h"
#include "optics/Feuille.h"
#include "optics/Reduction.h"
#include "optics/Zonage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <random>

namespace tarvo {
namespace {

// Anything a document file can hold: ordinary figures and the worst doubles.
class Hasard {
  public:
    double Valeur(double bas, double haut) {
        static constexpr double pires[] = {0,
                                           -0.0,
                                           1e-310,
                                           -1,
                                           1e6,
                                           1e7,
                                           1e300,
                                           -1e300,
                                           std::numeric_limits<double>::infinity(),
                                           -std::numeric_limits<double>::infinity(),
                                           std::numeric_limits<double>::quiet_NaN()};
        if (Entier(0, 5) == 0) return pires[Entier(0, std::size(pires) - 1)];
        return std::uniform_real_distribution<double>(bas, haut)(moteur_);
    }
    int Entier(int bas, int haut) { return std::uniform_int_distribution<int>(bas, haut)(moteur_); }

  private:
    std::mt19937_64 moteur_{20240611};
};

Document DocumentAuHasard(Hasard& h) {
    Document doc;
    doc.Diametre = h.Valeur(1, 1000);
    doc.DiametreSerie = h.Entier(0, 1) ? doc.Diametre : h.Valeur(0, 1000);
    doc.Focale = h.Valeur(1, 30000);
    doc.FocaleSerie = h.Entier(0, 1) ? doc.Focale : h.Valeur(0, 30000);
    doc.Epaisseur = h.Valeur(0, 100);
    doc.CoefDeformation = h.Valeur(-5, 5);
    doc.TrouCentral = doc.TrouCentralSerie = h.Entier(0, 2) ? 0 : h.Valeur(0, 100);
    doc.NombreZones = h.Entier(-2, 12);
    doc.RetenirD1 = h.Entier(0, 1);
    doc.RetenirD2 = h.Entier(0, 1);
    // Mostly increasing radii, as the data entry keeps them, so that most series reduce.
    double rayon = 0;
    for (int i = 1; i <= ZonesMax; ++i) {
        rayon = h.Entier(0, 9) ? rayon + h.Valeur(0, 80) : h.Valeur(-10, 500);
        doc.Zones[i][RayonExterieur] = rayon;
    }
    for (int k = 1; k <= 2; ++k) {
        doc.Lectures[0][LigneMoyennes][k] = h.Entier(0, 3) ? h.Entier(1, 10) : h.Valeur(-1, 10);
        for (int i = 1; i <= ZonesMax; ++i)
            doc.Lectures[i][LigneMoyennes][k] = h.Valeur(-5, 20);
    }
    return doc;
}

bool Fini(double v) {
    return std::isfinite(v);
}
bool Fini(const std::optional<double>& v) {
    return !v || std::isfinite(*v);
}

// No document, however absurd, gives a NaN, an infinity, a crash or a hang.
TEST(Robustesse, AucunDocumentNeDonneDeValeurNonFinie) {
    Hasard h;
    int feuilles = 0, bulletins = 0;
    const auto debut = std::chrono::steady_clock::now();
    for (int essai = 0; essai < 10000; ++essai) {
        Document doc = DocumentAuHasard(h);
        const ResultatFeuille f = CalculeFeuille(doc);
        if (f.Calculee()) {
            ++feuilles;
            ASSERT_TRUE(Fini(f.RayonTache) && Fini(f.RayonTacheAngulaire) &&
                        Fini(f.EpaisseurMinimale) && Fini(f.Profondeur) &&
                        Fini(f.VolumeConcavite) && Fini(f.MasseVerreUsine) && Fini(f.MasseMiroir) &&
                        Fini(f.EchelleImage))
                << essai;
            for (int z = 1; z <= f.NombreZones; ++z) {
                ASSERT_TRUE(Fini(f.Zones[z].Hm) && Fini(f.Zones[z].Hm2SurR) &&
                            Fini(f.Zones[z].TolSup) && Fini(f.Zones[z].TolInf))
                    << essai;
                for (int c = ColonneHm; c <= ColonneTolInf; ++c)
                    ASSERT_TRUE(Fini(doc.Zones[z][c]));
                ASSERT_TRUE(Fini(TolSup(h.Valeur(0, 500), f.Bande())));
            }
        }
        const ResultatReduction r = CalculeBulletin(doc, static_cast<std::uint8_t>(h.Entier(0, 3)));
        if (r.Calculee()) {
            ++bulletins;
            const auto& e = r.Echelle;
            ASSERT_TRUE(Fini(r.Constante) && Fini(r.Parabole.EcartMax) && Fini(r.FractionLambda) &&
                        Fini(e.Etendue) && Fini(e.FMax) && Fini(e.AberrationCentre) &&
                        Fini(doc.RayonCourbure))
                << essai;
            for (int i = 0; i <= r.NombreZones; ++i)
                for (int c = RayonExterieur; c <= ColonneOnde; ++c) {
                    // Row 0 holds the hole's edge only; MoyenneB is written for two diameters.
                    const bool ecrite = i > 0 ? c != ColonneMoyenneB || r.DiametresRetenus == 3
                                              : c == RayonExterieur || c == ColonneOnde;
                    if (ecrite) {
                        ASSERT_TRUE(Fini(doc.Zones[i][c])) << essai << " " << i << " " << c;
                    }
                }
        }
        const int n = NombreZonesPropose(doc.Diametre, doc.Focale, doc.TrouCentral);
        ASSERT_TRUE(n >= 3 && n <= ZonesMax);
        for (const double rayon : RayonsZones(doc.Diametre, doc.TrouCentral, doc.NombreZones))
            ASSERT_TRUE(Fini(rayon));
    }
    // The draw must reach the computations, not only their refusals.
    EXPECT_GT(feuilles, 1000);
    EXPECT_GT(bulletins, 500);
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(60));
}

} // namespace
} // namespace tarvo
