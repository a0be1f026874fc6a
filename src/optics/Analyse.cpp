#include "optics/Analyse.h"

#include "optics/Constantes.h"
#include "optics/Precision.h"

#include <cmath>

namespace tarvo {

namespace {

// ∫ s^k ds from a to b for k = 0..5 (index k).
using Moments = std::array<Etendu, 6>;
Moments MomentsDe(Etendu a, Etendu b) {
    Moments m{};
    Etendu pa = a, pb = b;
    for (std::size_t k = 0; k < m.size(); ++k) {
        m[k] = (pb - pa) / static_cast<Etendu>(k + 1);
        pa *= a;
        pb *= b;
    }
    return m;
}

// One straight piece of the profile, W = alpha + beta·s on [a, b] (s = r / rim radius).
struct Morceau {
    Etendu a, b, alpha, beta;
    Moments m;
};

} // namespace

std::optional<double> EcartRMSOnde(const ResultatReduction& r) {
    if (!r.Calculee() || r.NombreZones < 1 || r.NombreZones > ZonesMax) return std::nullopt;
    const int n = r.NombreZones;
    const Etendu bord = r.Zones[static_cast<std::size_t>(n)].RayonExterieur;
    if (!(bord > 0)) return std::nullopt;

    // Radii scaled to the rim keep the moments of order 5 near 1.
    std::array<Morceau, ZonesMax> morceaux{};
    int nombre = 0;
    for (int i = 1; i <= n; ++i) {
        const ZoneBulletin& p = r.Zones[static_cast<std::size_t>(i - 1)];
        const ZoneBulletin& q = r.Zones[static_cast<std::size_t>(i)];
        const Etendu a = p.RayonExterieur / bord, b = q.RayonExterieur / bord;
        if (!(b > a)) continue;
        const Etendu beta = (static_cast<Etendu>(q.Onde) - p.Onde) / (b - a);
        morceaux[static_cast<std::size_t>(nombre++)] = {a, b, p.Onde - beta * a, beta,
                                                        MomentsDe(a, b)};
    }
    if (nombre == 0) return std::nullopt;
    const Etendu debut = morceaux[0].a;

    // Normal equations of W ≈ piston + focus·s² with the weight s ds.
    const Moments anneau = MomentsDe(debut, 1);
    const Etendu m1 = anneau[1], m3 = anneau[3], m5 = anneau[5];
    Etendu t1 = 0, t3 = 0;
    for (int k = 0; k < nombre; ++k) {
        const Morceau& p = morceaux[static_cast<std::size_t>(k)];
        t1 += p.alpha * p.m[1] + p.beta * p.m[2];
        t3 += p.alpha * p.m[3] + p.beta * p.m[4];
    }
    const Etendu determinant = m1 * m5 - m3 * m3;
    if (!(determinant > 0)) return std::nullopt;
    const Etendu piston = (t1 * m5 - t3 * m3) / determinant;
    const Etendu foyer = (m1 * t3 - m3 * t1) / determinant;

    // The residual (c0 + c1·s + c2·s²)² s integrated piece by piece, never as a difference of
    // large sums.
    Etendu residu = 0;
    for (int k = 0; k < nombre; ++k) {
        const Morceau& p = morceaux[static_cast<std::size_t>(k)];
        const Etendu c0 = p.alpha - piston, c1 = p.beta, c2 = -foyer;
        residu += c0 * c0 * p.m[1] + 2 * c0 * c1 * p.m[2] + (c1 * c1 + 2 * c0 * c2) * p.m[3] +
                  2 * c1 * c2 * p.m[4] + c2 * c2 * p.m[5];
    }
    if (residu < 0) residu = 0;
    return Fini(std::sqrt(residu / m1));
}

double StrehlMarechal(double ecartRMS) {
    const Etendu phase = 2 * Pi * ecartRMS / LongueurOnde;
    return EnDouble(std::exp(-phase * phase));
}

std::optional<std::array<double, ZonesMax + 1>>
ErreursMoyennes(const LignesValidees& lignes, int n, std::uint8_t retenus) {
    if (n < 1 || n > ZonesMax || retenus < 1 || retenus > 3) return std::nullopt;
    for (int k = 1; k <= 2; ++k)
        if ((retenus & k) != 0 && lignes.Nombre(k) < 2) return std::nullopt;
    std::array<double, ZonesMax + 1> erreurs{};
    for (int i = 1; i <= n; ++i) {
        const auto zone = static_cast<std::size_t>(i);
        Etendu carres = 0;
        int degres = 0;
        for (int k = 1; k <= 2; ++k) {
            if ((retenus & k) == 0) continue;
            const auto& diametre = lignes.Diametres[static_cast<std::size_t>(k)];
            Etendu somme = 0;
            for (const auto& ligne : diametre) somme += ligne[zone];
            const Etendu moyenne = somme / static_cast<Etendu>(diametre.size());
            for (const auto& ligne : diametre)
                carres += (ligne[zone] - moyenne) * (ligne[zone] - moyenne);
            degres += static_cast<int>(diametre.size()) - 1;
        }
        const Etendu variance = carres / degres;
        // One diameter: s²/n; both: the mean of two means, each with its own count.
        const Etendu facteur =
            retenus == 3 ? (1.0L / lignes.Nombre(1) + 1.0L / lignes.Nombre(2)) / 4
                         : 1.0L / lignes.Nombre(retenus);
        const auto erreur = Fini(std::sqrt(variance * facteur));
        if (!erreur) return std::nullopt;
        erreurs[zone] = *erreur;
    }
    return erreurs;
}

ConiqueEstimee AjusteConique(const ResultatReduction& r,
                             const std::optional<std::array<double, ZonesMax + 1>>& erreurs) {
    ConiqueEstimee c;
    const int n = r.NombreZones;
    if (!r.Calculee() || n < 2 || n > ZonesMax || !(r.RayonCourbure > 0)) return c;
    std::array<Etendu, ZonesMax + 1> x{};
    Etendu sx = 0, sy = 0;
    for (int i = 1; i <= n; ++i) {
        const ZoneBulletin& z = r.Zones[static_cast<std::size_t>(i)];
        x[static_cast<std::size_t>(i)] = static_cast<Etendu>(z.Hm) * z.Hm / r.RayonCourbure;
        sx += x[static_cast<std::size_t>(i)];
        sy += z.Moyenne;
    }
    const Etendu mx = sx / n, my = sy / n;
    Etendu sxx = 0, sxy = 0;
    for (int i = 1; i <= n; ++i) {
        const Etendu dx = x[static_cast<std::size_t>(i)] - mx;
        sxx += dx * dx;
        sxy += dx * (r.Zones[static_cast<std::size_t>(i)].Moyenne - my);
    }
    if (!(sxx > 0)) return c;
    // + 0.0: a sphere's K is 0, not −0.
    c.K = Fini(-sxy / sxx + 0.0L);
    if (!c.K || !erreurs) return c;
    Etendu variance = 0;
    for (int i = 1; i <= n; ++i) {
        const Etendu poids = (x[static_cast<std::size_t>(i)] - mx) / sxx;
        const Etendu e = (*erreurs)[static_cast<std::size_t>(i)];
        variance += poids * poids * e * e;
    }
    c.Incertitude = Fini(std::sqrt(variance));
    return c;
}

std::array<double, ZonesMax + 1> EcartsParabole(const ResultatReduction& r) {
    std::array<double, ZonesMax + 1> ecarts{};
    if (!r.Calculee()) return ecarts;
    const Parabole& p = r.Parabole.Coefficients;
    for (int i = 0; i <= r.NombreZones && i <= ZonesMax; ++i) {
        const ZoneBulletin& z = r.Zones[static_cast<std::size_t>(i)];
        const Etendu x = z.RayonExterieur;
        ecarts[static_cast<std::size_t>(i)] = EnDouble(z.Onde - (p.A * x * x + p.B));
    }
    return ecarts;
}

FiguresAnalyse CalculeFigures(const ResultatReduction& r, const Document& doc) {
    return CalculeFigures(r, LignesDe(doc));
}

FiguresAnalyse CalculeFigures(const ResultatReduction& r, const LignesValidees& lignes) {
    FiguresAnalyse f;
    if (!r.Calculee()) return f;
    f.EcartMax = r.Parabole.EcartMax;
    f.FractionLambda = r.FractionLambda;
    f.EcartRMS = EcartRMSOnde(r);
    if (f.EcartRMS) {
        f.FractionLambdaRMS = FractionLambda(*f.EcartRMS);
        f.Strehl = StrehlMarechal(*f.EcartRMS);
    }
    const ConiqueEstimee k =
        AjusteConique(r, ErreursMoyennes(lignes, r.NombreZones, r.DiametresRetenus));
    f.ConiqueAjustee = k.K;
    f.ConiqueIncertitude = k.Incertitude;
    f.Ecarts = EcartsParabole(r);
    return f;
}

} // namespace tarvo
