#include "pages/graphes/GrapheProfil.h"

#include "optics/TexteEnLangue.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/graphes/EchellesGraphes.h"
#include "pages/graphes/ElementsGraphes.h"
#include "pages/graphes/LigneLissee.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tarvo {

namespace {

// The band, lighter than the grey of the hole so that both read on paper.
constexpr Couleur TeinteBande{218, 218, 218};
constexpr std::string_view LegendeBande = TARVO_NOOP("Pages", "bande grisée : ± 1 σ");

double Sigma(const DonneesProfil& d, int i) {
    return d.Sigmas ? (*d.Sigmas)[static_cast<std::size_t>(i)] : 0;
}

// The deviation and the band's half-width at radius r, on the straight pieces.
struct Valeur {
    double Ecart = 0;
    double Sigma = 0;
};
Valeur ValeurA(const DonneesProfil& d, double r) {
    const int n = d.NombreZones;
    for (int i = 1; i <= n; ++i) {
        const auto a = static_cast<std::size_t>(i - 1), b = static_cast<std::size_t>(i);
        if (r > d.Rayons[b] && i < n) continue;
        const double largeur = d.Rayons[b] - d.Rayons[a];
        const double t = largeur > 0 ? std::clamp((r - d.Rayons[a]) / largeur, 0.0, 1.0) : 1.0;
        return {d.Ecarts[a] + t * (d.Ecarts[b] - d.Ecarts[a]),
                Sigma(d, i - 1) + t * (Sigma(d, i) - Sigma(d, i - 1))};
    }
    return {};
}

} // namespace

EchelleProfil EchelleDuProfil(const DonneesProfil& d) {
    double bas = 0, haut = 0;
    for (int i = 0; i <= d.NombreZones; ++i) {
        const double e = d.Ecarts[static_cast<std::size_t>(i)], s = Sigma(d, i);
        if (std::isfinite(e) && std::isfinite(s)) {
            bas = std::min(bas, e - s);
            haut = std::max(haut, e + s);
        }
    }
    if (haut - bas < 10) {
        // A flat profile still shows ±5 nm around its side of zero.
        const double manque = 10 - (haut - bas);
        if (haut > -bas)
            haut += manque;
        else
            bas -= manque;
    }
    EchelleProfil e;
    for (double decade = 1;; decade *= 10) {
        for (const double facteur : {1.0, 2.0, 5.0}) {
            e.Pas = facteur * decade;
            e.Min = std::floor(bas / e.Pas) * e.Pas;
            e.Max = std::ceil(haut / e.Pas) * e.Pas;
            if ((e.Max - e.Min) / e.Pas <= 8 || decade > 1e9) return e;
        }
    }
}

void DessineGrapheProfil(Canvas& c, const RectangleGraphe& zone, const DonneesProfil& d,
                         const StyleProfil& s) {
    c.FixePlume(Plume{Noir, StylePlume::Plein, s.Trait});
    c.FixeBrosse(Brosse{Blanc, StyleBrosse::Vide});
    const int texte = c.HauteurTexte("0");
    const EchelleProfil e = EchelleDuProfil(d);
    const double rayon = d.Diametre / 2;
    const int gauche = zone.Gauche + c.LargeurTexte("-00000") + s.Graduation + texte / 2;
    const int droite = zone.Droite - c.LargeurTexte("000") / 2 - c.LargeurTexte(" mm") - texte / 2;
    const int haut = zone.Haut + 3 * texte / 2, bas = zone.Bas - 2 * texte;
    if (!(rayon > 0) || droite <= gauche || bas <= haut || d.NombreZones < 1) {
        Pourtour(c, zone.Gauche, zone.Haut, zone.Droite, zone.Bas);
        return;
    }
    const double echelleX = (droite - gauche) / (2 * rayon);
    const double echelleY = (bas - haut) / (e.Max - e.Min);
    auto X = [&](double r) { return EnPixel(gauche + (r + rayon) * echelleX); };
    auto Y = [&](double v) { return EnPixel(bas - (v - e.Min) * echelleY); };

    // The band, strip by strip from the rim to the hole on both sides.
    if (d.Sigmas) {
        c.FixeBrosse(Brosse{TeinteBande, StyleBrosse::Plein});
        for (int x = X(-rayon); x < X(rayon); x += s.Colonne) {
            const double r = std::fabs((x + s.Colonne / 2.0 - gauche) / echelleX - rayon);
            if (r < d.Trou / 2 || r > rayon) continue;
            const Valeur v = ValeurA(d, r);
            if (v.Sigma > 0)
                c.RemplitRectangle(x, Y(v.Ecart + v.Sigma), x + s.Colonne,
                                   Y(v.Ecart - v.Sigma) + 1);
        }
    }
    if (d.Trou > 0.0001) BandeTrou(c, X(-d.Trou / 2), zone.Haut, X(d.Trou / 2), zone.Bas);
    c.FixeBrosse(Brosse{Blanc, StyleBrosse::Vide});

    // Graduations: nm on the left, mm under the zero line's frame.
    const std::string_view unite = "nm";
    c.EcritTexte(zone.Gauche + texte / 2, zone.Haut + texte / 4, unite);
    for (double v = e.Min; v <= e.Max + e.Pas / 2; v += e.Pas) {
        const int y = Y(v);
        Segment(c, gauche - s.Graduation, y, gauche, y);
        EcritAGauche(c, gauche - s.Graduation - texte / 4, y - texte / 2,
                     FormateMasque(v, "#0", d.Separateur));
    }
    const int pas = PasHorizontal(d.Diametre);
    for (int k = pas > 0 ? -static_cast<int>(rayon / pas) : 1; pas > 0 && k * pas <= rayon; ++k) {
        const int x = X(k * pas);
        Segment(c, x, bas, x, bas + s.Graduation);
        const std::string valeur = std::to_string(k * pas);
        c.EcritTexte(x - c.LargeurTexte(valeur) / 2, bas + s.Graduation, valeur);
    }
    c.EcritTexte(zone.Droite - c.LargeurTexte("mm") - texte / 4, bas + s.Graduation, "mm");
    Segment(c, gauche, Y(0), droite + 1, Y(0));
    Segment(c, gauche, haut, gauche, bas + 1);
    Segment(c, gauche, bas, droite + 1, bas);
    if (d.Sigmas) {
        const std::string legende = TexteEnLangue(d.Langue, LegendeBande);
        c.EcritTexte(droite - c.LargeurTexte(legende), zone.Haut + texte / 4, legende);
    }

    // The profile, mirrored, broken at the hole.
    for (const int cote : {-1, 1}) {
        for (int i = 1; i <= d.NombreZones; ++i) {
            const auto a = static_cast<std::size_t>(i - 1), b = static_cast<std::size_t>(i);
            const int x1 = X(cote * d.Rayons[a]), y1 = Y(d.Ecarts[a]);
            const int x2 = X(cote * d.Rayons[b]), y2 = Y(d.Ecarts[b]);
            if (s.Lisse) {
                LigneLissee(c, x1, y1, x2, y2, Noir);
            } else {
                c.FixePlume(Plume{Noir, StylePlume::Plein, s.Courbe});
                Segment(c, x1, y1, x2, y2);
            }
        }
        c.FixePlume(Plume{Noir, StylePlume::Plein, s.Trait});
        for (int i = d.Trou > 0.0001 ? 0 : 1; i <= d.NombreZones; ++i)
            Disque(c, X(cote * d.Rayons[static_cast<std::size_t>(i)]),
                   Y(d.Ecarts[static_cast<std::size_t>(i)]), s.Disque);
    }
    c.FixePlume(Plume{Noir, StylePlume::Plein, s.Trait});
    Pourtour(c, zone.Gauche, zone.Haut, zone.Droite, zone.Bas);
}

} // namespace tarvo
