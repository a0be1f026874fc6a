#include "optics/Aleatoire.h"
#include "optics/Analyse.h"
#include "optics/Reduction.h"
#include "optics/Reechantillonnage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace tarvo {
namespace {

// A Gaussian number from our generator (Box–Muller), for reproducible reading noise.
double Gauss(Aleatoire& a) {
    const double u = (a.Suivant() >> 11) * 0x1.0p-53 + 0x1.0p-54;
    const double v = (a.Suivant() >> 11) * 0x1.0p-53;
    return std::sqrt(-2 * std::log(u)) * std::cos(2 * std::numbers::pi * v);
}

// A 200 mm F/6 on four zones (hole `trou`), `lignes` validated lines on each diameter, the
// reading of zone i (1..4), line j, diameter k given by `lecture`.
using Lecture = std::function<double(int i, int j, int k, double hm)>;
Document Serie(int lignes, const Lecture& lecture, double trou = 0, int diametres = 3) {
    Document doc;
    doc.Diametre = doc.DiametreSerie = 200;
    doc.Focale = doc.FocaleSerie = 1200;
    doc.TrouCentral = doc.TrouCentralSerie = trou;
    doc.NombreZones = 4;
    const double rayons[] = {0, 45, 65, 83, 100};
    for (int i = 1; i <= 4; ++i)
        doc.Zones[i][RayonExterieur] = rayons[i];
    for (int k = 1; k <= 2; ++k) {
        if ((diametres & k) == 0) continue;
        for (int j = 1; j <= lignes; ++j) {
            doc.Lectures[0][j][k] = 1;
            for (int i = 1; i <= 4; ++i) {
                const double hm = ((i == 1 ? trou / 2 : rayons[i - 1]) + rayons[i]) / 2;
                doc.Lectures[i][j][k] = lecture(i, j, k, hm);
            }
        }
    }
    CalculeMoyennes(doc);
    return doc;
}

// A reduction carrying only the wavefront points (radius, nm) of rows 0..N.
ResultatReduction Profil(const std::vector<std::pair<double, double>>& points) {
    ResultatReduction r;
    r.Etat = EtatReduction::Calculee;
    r.NombreZones = static_cast<int>(points.size()) - 1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        r.Zones[i].RayonExterieur = points[i].first;
        r.Zones[i].Onde = points[i].second;
    }
    return r;
}

// Worked by hand on s = r / 100 with the weight s ds on [0, 1], piston and focus fitted:
// a cone W = s gives 1/450 as mean square; W = 0 then 2s − 1 from s = 1/2 gives 173/57600.
TEST(Analyse, EcartRMSCalculeALaMain) {
    EXPECT_NEAR(*EcartRMSOnde(Profil({{0, 0}, {50, 50}, {100, 100}})), 100 / std::sqrt(450.0),
                1e-9);
    EXPECT_NEAR(*EcartRMSOnde(Profil({{0, 0}, {50, 0}, {100, 100}})), 100 * std::sqrt(173.0) / 240,
                1e-9);
    // A pure piston and a flat profile leave nothing; a profile with no width has no RMS.
    EXPECT_NEAR(*EcartRMSOnde(Profil({{0, 7}, {50, 7}, {100, 7}})), 0, 1e-9);
    EXPECT_FALSE(EcartRMSOnde(Profil({{0, 0}, {0, 5}, {0, 9}})));
    EXPECT_DOUBLE_EQ(StrehlMarechal(0), 1);
    EXPECT_NEAR(StrehlMarechal(560 / 14.0), std::exp(-std::pow(2 * std::numbers::pi / 14, 2)),
                1e-15);
}

// The exact integration against plain sampling of an annulus with a hole and ten pieces.
TEST(Analyse, EcartRMSCommeParEchantillonnage) {
    Aleatoire a(5);
    std::vector<std::pair<double, double>> points{{30, 0}};
    for (int i = 1; i <= 10; ++i)
        points.push_back({30 + 12.0 * i, 40 * Gauss(a)});
    const int pas = 200000;
    double s[5] = {}, t1 = 0, t3 = 0, q = 0;
    for (int p = 0; p < pas; ++p) {
        const double r = 30 + 120.0 * (p + 0.5) / pas;
        const std::size_t i = std::min<std::size_t>(9, static_cast<std::size_t>((r - 30) / 12));
        const double w = points[i].second +
                         (points[i + 1].second - points[i].second) * (r - points[i].first) / 12;
        s[0] += r, s[1] += r * r * r, s[2] += r * r * r * r * r;
        t1 += w * r, t3 += w * r * r * r, q += w * w * r;
    }
    const double det = s[0] * s[2] - s[1] * s[1];
    const double a0 = (t1 * s[2] - t3 * s[1]) / det, b0 = (s[0] * t3 - s[1] * t1) / det;
    const double attendu = std::sqrt((q - a0 * t1 - b0 * t3) / s[0]);
    EXPECT_NEAR(*EcartRMSOnde(Profil(points)), attendu, 1e-3 * attendu);
}

// The figures of a perfect paraboloid, of a sphere and of a real figure, each checked
// against what is independently known of it.
TEST(Analyse, ParaboleSphereEtMiroirReel) {
    Aleatoire a(11);
    const double r = 2400;
    // Perfect paraboloid, every line alike: K = −1 exactly, nothing to remove, no scatter.
    Document doc = Serie(10, [&](int, int, int k, double hm) { return hm * hm / r + k; });
    ResultatReduction red = CalculeBulletin(doc);
    FiguresAnalyse f = CalculeFigures(red, doc);
    EXPECT_NEAR(*f.ConiqueAjustee, -1, 1e-9);
    EXPECT_EQ(*f.ConiqueIncertitude, 0);
    EXPECT_LT(*f.EcartRMS, 0.05);
    EXPECT_LT(*f.EcartMax, 0.05);
    IncertitudesAnalyse u = Reechantillonne(doc, 3);
    EXPECT_EQ(u.Etat, EtatIncertitudes::Calculees);
    EXPECT_EQ(*u.EcartMax, 0);
    EXPECT_EQ(*u.EcartRMS, 0);
    EXPECT_EQ(*u.Strehl, 0);

    // The same paraboloid read with a 0.02 mm scatter: K = −1 within its σ, ε and the RMS
    // small, RMS ≤ ε (the parabola is one of the fitted references).
    doc = Serie(10, [&](int, int, int k, double hm) { return hm * hm / r + k + 0.02 * Gauss(a); });
    red = CalculeBulletin(doc);
    f = CalculeFigures(red, doc);
    EXPECT_NEAR(*f.ConiqueAjustee, -1, 3 * *f.ConiqueIncertitude);
    EXPECT_LT(*f.ConiqueIncertitude, 0.02);
    EXPECT_LE(*f.EcartRMS, *f.EcartMax);
    u = Reechantillonne(doc, 3);
    EXPECT_GT(*u.EcartRMS, 0);
    EXPECT_LT(*u.EcartMax, 3 * *f.EcartMax + 5);

    // A sphere (every zone focuses at C) read with scatter, tested as a paraboloid: K ≈ 0.
    doc = Serie(10, [&](int, int, int, double) { return 3 + 0.03 * Gauss(a); });
    f = CalculeFigures(CalculeBulletin(doc), doc);
    EXPECT_NEAR(*f.ConiqueAjustee, 0, 3 * *f.ConiqueIncertitude);
    EXPECT_LT(*f.Strehl, 0.5);
}

// The σ of K propagated from the readings' scatter, and the bootstrap σ of the RMS, against
// the spread of the same figures over many independent series of known scatter.
TEST(Analyse, IncertitudesCommeSurDesSeriesIndependantes) {
    const double r = 2400, bruit = 0.02;
    const double zonal[] = {0, 0.05, -0.04, 0.03, 0};
    for (const int diametres : {1, 3}) {
        Aleatoire a(static_cast<std::uint64_t>(diametres));
        auto tire = [&] {
            return Serie(
                8,
                [&](int i, int, int, double hm) {
                    return hm * hm / r + zonal[i] + 1 + bruit * Gauss(a);
                },
                0, diametres);
        };
        double k1 = 0, k2 = 0, e1 = 0, e2 = 0, sigmaK = 0, sigmaRMS = 0;
        const int series = 400;
        for (int s = 0; s < series; ++s) {
            Document doc = tire();
            const FiguresAnalyse f = CalculeFigures(CalculeBulletin(doc), doc);
            k1 += *f.ConiqueAjustee, k2 += *f.ConiqueAjustee * *f.ConiqueAjustee;
            e1 += *f.EcartRMS, e2 += *f.EcartRMS * *f.EcartRMS;
            sigmaK += *f.ConiqueIncertitude / series;
            if (s < 20) sigmaRMS += *Reechantillonne(doc, 3, 300, s).EcartRMS / 20;
        }
        const double ecartK = std::sqrt((k2 - k1 * k1 / series) / (series - 1));
        const double ecartRMS = std::sqrt((e2 - e1 * e1 / series) / (series - 1));
        EXPECT_NEAR(sigmaK, ecartK, 0.15 * ecartK) << diametres;
        EXPECT_NEAR(sigmaRMS, ecartRMS, 0.35 * ecartRMS) << diametres;
    }
}

TEST(Analyse, CeQuiNePeutEtreDonne) {
    // A single validated line per zone: no uncertainty at all, the figures still given.
    Document doc = Serie(1, [](int, int, int, double hm) { return hm * hm / 2400; });
    FiguresAnalyse f = CalculeFigures(CalculeBulletin(doc), doc);
    EXPECT_TRUE(f.EcartRMS && f.ConiqueAjustee);
    EXPECT_FALSE(f.ConiqueIncertitude);
    IncertitudesAnalyse u = Reechantillonne(doc, 3);
    EXPECT_EQ(u.Etat, EtatIncertitudes::LectureUnique);
    EXPECT_FALSE(u.EcartMax || u.EcartRMS || u.Strehl);
    // Nothing validated: no figure.
    doc = Serie(0, [](int, int, int, double) { return 1.0; });
    f = CalculeFigures(CalculeBulletin(doc), doc);
    EXPECT_FALSE(f.EcartMax || f.EcartRMS || f.Strehl || f.ConiqueAjustee);
    EXPECT_EQ(Reechantillonne(doc, 3).Etat, EtatIncertitudes::SansReduction);
    // The same seed gives the same σ.
    Aleatoire a(3);
    doc = Serie(
        5, [&](int, int, int, double hm) { return hm * hm / 2400 + 0.01 * Gauss(a); }, 40);
    EXPECT_EQ(*Reechantillonne(doc, 3).EcartMax, *Reechantillonne(doc, 3).EcartMax);
}

} // namespace
} // namespace tarvo
