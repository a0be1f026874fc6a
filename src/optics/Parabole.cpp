#include "optics/Parabole.h"

#include "optics/ColonnesZones.h"
#include "optics/Constantes.h"

#include <cmath>

namespace tarvo {

namespace {

// Deviations within this band (nm) count as on the parabola.
constexpr Etendu BandeMorte = 0.0001L;
constexpr Etendu EcartDepart = 1e30L;

} // namespace

std::optional<Parabole> ParaboleParDeuxPoints(const TableZones& zones, int a, int b) {
    const Etendu xa = a > 0 ? zones[a][RayonExterieur] : 0.0;
    const Etendu wa = a > 0 ? zones[a][ColonneOnde] : 0.0;
    const Etendu xb = zones[b][RayonExterieur];
    const Etendu wb = zones[b][ColonneOnde];
    const Etendu denominateur = xa * xa - xb * xb;
    if (denominateur == 0) return std::nullopt;
    Parabole p;
    p.A = EnDouble((wa - wb) / denominateur);
    p.B = EnDouble(wa - p.A * xa * xa);
    return p;
}

std::optional<ParaboleReference> MeilleureParabole(const TableZones& zones, int n) {
    std::optional<ParaboleReference> meilleure;
    if (n < 1 || n > ZonesMax) return meilleure;
    Etendu meilleurEcart = EcartDepart;
    for (int a = 0; a <= n; ++a) {
        for (int b = a + 1; b <= n; ++b) {
            const auto p = ParaboleParDeuxPoints(zones, a, b);
            if (!p) continue;
            int sommeCotes = 0;
            Etendu ecart = 0;
            int pointEcart = 0;
            bool rejetee = false;
            // A candidate already as far as the best one cannot replace it: stop there.
            for (int i = 0; i <= n && !rejetee && ecart < meilleurEcart; ++i) {
                const Etendu x = zones[i][RayonExterieur];
                const Etendu dev = zones[i][ColonneOnde] - (p->A * x * x + p->B);
                const int cote = dev >= BandeMorte ? 1 : dev <= -BandeMorte ? -1 : 0;
                if (cote * sommeCotes < 0) {
                    rejetee = true;
                } else {
                    sommeCotes += cote;
                    if (std::fabs(dev) > ecart) {
                        ecart = std::fabs(dev);
                        pointEcart = i;
                    }
                }
            }
            // Strictly smaller: the first candidate keeps a tie.
            if (!rejetee && ecart < meilleurEcart) {
                meilleurEcart = ecart;
                meilleure = ParaboleReference{a, b, pointEcart, EnDouble(ecart), *p};
            }
        }
    }
    return meilleure;
}

std::optional<double> FractionLambda(double ecartMax) {
    if (ecartMax == 0) return std::nullopt;
    return Fini(std::fabs(LongueurOnde / static_cast<Etendu>(ecartMax)));
}

} // namespace tarvo
