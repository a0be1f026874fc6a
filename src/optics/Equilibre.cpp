#include "optics/Equilibre.h"

#include "optics/ColonnesZones.h"
#include "optics/Precision.h"

#include <cmath>

namespace tarvo {

namespace {

constexpr double ToleranceEquilibre = 0.001;
constexpr double PasDepart = 0.4;
constexpr double PasMinimal = 0.0001;
// Twice the steps that the widest readings the data entry accepts (1000 mm) could need at
// 0.1 mm, so that a file holding absurd readings cannot hold the search for long.
constexpr int PasMaxParTaille = 20000;

// The balance alone, as `EquilibreAberrations` computes it (the same operations in the same
// order, so the same value), without the slope and wavefront columns that the balance does
// not need: the search evaluates it some thirty times a series.
double Equilibre(const TableZones& zones, const ParametresEquilibre& p, double constante) {
    const int n = p.NombreZones;
    if (n < 2 || n > ZonesMax) return 0;
    Etendu max = 0, min = 0;
    double avant = 0, dernier = 0;
    for (int i = 1; i <= n; ++i) {
        const auto& z = zones[i];
        const double moinsCte = EnDouble(static_cast<Etendu>(z[ColonneMoyenne]) - constante);
        const double ecart = EnDouble(static_cast<Etendu>(moinsCte) - z[ColonneHm2SurR]);
        const double transversale =
            EnDouble(static_cast<Etendu>(ecart) * z[ColonneCentHmSur4F] * 10);
        const double relative = EnDouble(static_cast<Etendu>(transversale) / p.RayonTache);
        if (relative > max) max = relative;
        if (relative < min) min = relative;
        avant = dernier;
        dernier = relative;
    }
    const auto& zn = zones[n];
    const Etendu ecartHm = static_cast<Etendu>(zn[ColonneHm]) - zones[n - 1][ColonneHm];
    const Etendu pente = ecartHm != 0 ? (static_cast<Etendu>(dernier) - avant) / ecartHm : 0;
    const Etendu bord = dernier + (static_cast<Etendu>(zn[RayonExterieur]) - zn[ColonneHm]) * pente;
    if (bord > max)
        max = bord;
    else if (bord < min)
        min = bord;
    return EnDouble(max + min);
}

} // namespace

double EquilibreAberrations(TableZones& zones, const ParametresEquilibre& p, double constante) {
    const int n = p.NombreZones;
    if (n < 2 || n > ZonesMax) return 0;
    Etendu max = 0, min = 0;
    for (int i = 1; i <= n; ++i) {
        auto& z = zones[i];
        z[ColonneMoyenneMoinsCte] = EnDouble(static_cast<Etendu>(z[ColonneMoyenne]) - constante);
        z[ColonneEcartLongitudinal] =
            EnDouble(static_cast<Etendu>(z[ColonneMoyenneMoinsCte]) - z[ColonneHm2SurR]);
        z[ColonneAberrationTransversale] =
            EnDouble(static_cast<Etendu>(z[ColonneEcartLongitudinal]) * z[ColonneCentHmSur4F] * 10);
        z[ColonneAberrationRelative] =
            EnDouble(static_cast<Etendu>(z[ColonneAberrationTransversale]) / p.RayonTache);
        z[ColonnePente] =
            EnDouble(-static_cast<Etendu>(z[ColonneAberrationTransversale]) * 1000 / p.Focale);
        // Each zone has its own constant slope: the wavefront is its integral from the centre.
        z[ColonneOnde] =
            i == 1 ? EnDouble(static_cast<Etendu>(z[ColonnePente]) * z[RayonExterieur])
                   : EnDouble(zones[i - 1][ColonneOnde] + (static_cast<Etendu>(z[RayonExterieur]) -
                                                           zones[i - 1][RayonExterieur]) *
                                                              z[ColonnePente]);
        const Etendu relative = z[ColonneAberrationRelative];
        if (relative > max) max = relative;
        if (relative < min) min = relative;
    }
    // Straight line through the last two zones, out to the rim; two zones at the same mean
    // radius give no slope and the rim takes the last zone's value.
    const auto& dernier = zones[n];
    const auto& avant = zones[n - 1];
    const Etendu ecartHm = static_cast<Etendu>(dernier[ColonneHm]) - avant[ColonneHm];
    const Etendu pente = ecartHm != 0 ? (static_cast<Etendu>(dernier[ColonneAberrationRelative]) -
                                         avant[ColonneAberrationRelative]) /
                                            ecartHm
                                      : 0;
    const Etendu bord = dernier[ColonneAberrationRelative] +
                        (static_cast<Etendu>(dernier[RayonExterieur]) - dernier[ColonneHm]) * pente;
    if (bord > max)
        max = bord;
    else if (bord < min)
        min = bord;
    return EnDouble(max + min);
}

double RechercheConstante(TableZones& zones, const ParametresEquilibre& p, double depart) {
    // The loops test the same constants several times (a probe one step away, then the
    // constant again): keep the last two evaluations.
    struct Connu {
        bool Valide = false;
        double Constante = 0, Equilibre = 0;
    };
    Connu connus[2];
    auto equilibre = [&](double c) {
        for (const Connu& k : connus)
            if (k.Valide && k.Constante == c) return k.Equilibre;
        connus[1] = connus[0];
        connus[0] = {true, c, Equilibre(zones, p, c)};
        return connus[0].Equilibre;
    };

    double c = depart;
    double pas = PasDepart;
    double sens = 1;
    while (std::fabs(equilibre(c)) > ToleranceEquilibre) {
        if (!std::isfinite(equilibre(c))) break;
        const double garde = c;
        pas /= 4;
        if (pas < PasMinimal) break;
        const double f0 = equilibre(c);
        if (std::fabs(f0) > ToleranceEquilibre) {
            c = c + sens * pas;
            if (std::fabs(equilibre(c)) > std::fabs(f0)) sens = -sens;
            c = garde;
        }
        for (int k = 0; k < PasMaxParTaille && std::fabs(equilibre(c)) > ToleranceEquilibre; ++k) {
            const double f = equilibre(c);
            const double suivant = c + sens * pas;
            if (suivant == c) break;
            c = suivant;
            // Past the balance: this step size has done its part, the constant stays here.
            if (std::fabs(equilibre(c)) > std::fabs(f)) break;
        }
    }
    EquilibreAberrations(zones, p, c);
    return c;
}

} // namespace tarvo
