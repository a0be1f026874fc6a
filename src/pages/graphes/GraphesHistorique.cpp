#include "pages/graphes/GraphesHistorique.h"

#include "pages/commun/MasqueNombre.h"
#include "pages/graphes/ElementsGraphes.h"
#include "platform/Traduction.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tarvo {

namespace {

// 1, 2 or 5 × 10^k, the smallest step that covers `etendue` in at most `pas` steps.
double PasRond(double etendue, int pas) {
    if (!(etendue > 0)) return 1;
    double decade = std::pow(10.0, std::floor(std::log10(etendue / pas)));
    for (int essai = 0; essai < 4; ++essai, decade *= 10)
        for (const double f : {1.0, 2.0, 5.0})
            if (etendue / (f * decade) <= pas) return f * decade;
    return decade;
}

struct Axes {
    int Gauche, Droite, Haut, Bas;
    double X0, X1, Y0, Y1;
    int X(double v) const { return EnPixel(Gauche + (v - X0) * (Droite - Gauche) / (X1 - X0)); }
    int Y(double v) const { return EnPixel(Bas - (v - Y0) * (Bas - Haut) / (Y1 - Y0)); }
};

// The frame of a graph with room for the labels: `gaucheTexte` wide on the left.
Axes AxesDe(Canvas& c, const RectangleGraphe& zone, std::string_view gaucheTexte,
           const StyleHistorique& s) {
    const int t = c.HauteurTexte("0");
    return Axes{zone.Gauche + c.LargeurTexte(gaucheTexte) + s.Graduation + t / 2,
                zone.Droite - c.LargeurTexte("00/00/0000") / 2 - t / 2,
                zone.Haut + 3 * t / 2,
                zone.Bas - 2 * t,
                0, 1, 0, 1};
}

void GraduationsY(Canvas& c, const Axes& a, double pas, std::string_view masque, char sep,
                  const StyleHistorique& s) {
    const int t = c.HauteurTexte("0");
    for (double v = a.Y0; v <= a.Y1 + pas / 2; v += pas) {
        const int y = a.Y(v);
        Segment(c, a.Gauche - s.Graduation, y, a.Gauche, y);
        EcritAGauche(c, a.Gauche - s.Graduation - t / 4, y - t / 2, FormateMasque(v, masque, sep));
    }
}

void Marque(Canvas& c, int rang, int x, int y, int m) {
    const Brosse avant = c.BrosseCourante();
    switch (rang % 5) {
    case 0: Disque(c, x, y, m); break;
    case 1:
        c.FixeBrosse(Brosse{Noir, StyleBrosse::Plein});
        c.RemplitRectangle(x - m, y - m, x + m + 1, y + m + 1);
        break;
    case 2:
        c.FixeBrosse(Brosse{Blanc, StyleBrosse::Plein});
        c.Ellipse(x - m - 1, y - m - 1, x + m + 2, y + m + 2);
        break;
    case 3:
        Segment(c, x - m, y - m, x + m + 1, y + m + 1);
        Segment(c, x - m, y + m, x + m + 1, y - m - 1);
        break;
    default:
        Segment(c, x, y - m - 1, x + m + 1, y);
        Segment(c, x + m + 1, y, x, y + m + 1);
        Segment(c, x, y + m + 1, x - m - 1, y);
        Segment(c, x - m - 1, y, x, y - m - 1);
        break;
    }
    c.FixeBrosse(avant);
}

} // namespace

const std::vector<int>& MotifTrait(int rang) {
    static const std::vector<std::vector<int>> motifs{{}, {7, 4}, {2, 3}, {9, 3, 2, 3}, {4, 2}};
    return motifs[static_cast<std::size_t>(rang) % motifs.size()];
}

void TraitMotif(Canvas& c, int x1, int y1, int x2, int y2, const std::vector<int>& motif,
                int unite, double& phase) {
    if (motif.empty()) {
        Segment(c, x1, y1, x2, y2);
        return;
    }
    const double longueur = std::hypot(x2 - x1, y2 - y1);
    const double periode = unite * std::accumulate(motif.begin(), motif.end(), 0.0);
    if (!(longueur > 0) || !(periode > 0)) return;
    double d = 0;
    while (d < longueur) {
        // Where in the pattern the line stands, and how far its current dash or gap goes.
        double dans = std::fmod(phase, periode), fin = 0;
        std::size_t i = 0;
        for (; i < motif.size(); ++i) {
            fin += unite * motif[i];
            if (dans < fin) break;
        }
        const double pas = std::min(fin - dans, longueur - d);
        if (i % 2 == 0) {
            const double a = d / longueur, b = (d + pas) / longueur;
            Segment(c, EnPixel(x1 + a * (x2 - x1)), EnPixel(y1 + a * (y2 - y1)),
                    EnPixel(x1 + b * (x2 - x1)), EnPixel(y1 + b * (y2 - y1)));
        }
        d += pas;
        phase += pas;
    }
}

void DessineGrapheEcarts(Canvas& c, const RectangleGraphe& zone,
                         const std::vector<ResumeSerie>& series, Systeme& systeme,
                         const std::function<std::string(double)>& date, const StyleHistorique& s) {
    const char sep = systeme.SeparateurDecimal();
    c.FixePlume(Plume{Noir, StylePlume::Plein, s.Trait});
    c.FixeBrosse(Brosse{Blanc, StyleBrosse::Vide});
    std::vector<const ResumeSerie*> reduites;
    for (const ResumeSerie& r : series)
        if (r.Calculee() && r.EcartMax) reduites.push_back(&r);
    Pourtour(c, zone.Gauche, zone.Haut, zone.Droite, zone.Bas);
    const int t = c.HauteurTexte("0");
    if (reduites.empty()) {
        const std::string vide = systeme.Traduit("Pages", "Aucune série réduite.");
        c.EcritTexte((zone.Gauche + zone.Droite - c.LargeurTexte(vide)) / 2,
                     (zone.Haut + zone.Bas - t) / 2, vide);
        return;
    }
    // Dates when every reduced series has its own day; numbers otherwise.
    std::vector<double> jours;
    for (const ResumeSerie* r : reduites) jours.push_back(std::floor(r->Date));
    // Series come in the order of their dates: sorted already, unless the user dated one back.
    if (!std::is_sorted(jours.begin(), jours.end())) std::sort(jours.begin(), jours.end());
    const bool parDate = jours.size() > 1 && std::adjacent_find(jours.begin(), jours.end()) == jours.end();
    auto abscisse = [&](const ResumeSerie* r) {
        return parDate ? r->Date : static_cast<double>(r->Numero);
    };
    double xmin = abscisse(reduites.front()), xmax = xmin, ymax = 0;
    for (const ResumeSerie* r : reduites) {
        xmin = std::min(xmin, abscisse(r));
        xmax = std::max(xmax, abscisse(r));
        ymax = std::max(ymax, *r->EcartMax);
    }
    const double marge = xmax > xmin ? (xmax - xmin) / 20 : 1;
    Axes a = AxesDe(c, zone, "0000", s);
    a.X0 = xmin - marge;
    a.X1 = xmax + marge;
    const double pasY = PasRond(std::max(ymax, 10.0), 6);
    a.Y1 = std::ceil(std::max(ymax, 10.0) / pasY) * pasY;

    c.EcritTexte(a.Gauche + t / 2, zone.Haut + t / 4, "nm");
    GraduationsY(c, a, pasY, "#0", sep, s);
    Segment(c, a.Gauche, a.Haut, a.Gauche, a.Bas + 1);
    Segment(c, a.Gauche, a.Bas, a.Droite + 1, a.Bas);
    // The abscissa: a few dates spread over the span, or whole series numbers.
    if (parDate) {
        const int graduations = std::clamp((a.Droite - a.Gauche) / (c.LargeurTexte("00/00/0000") * 2), 1, 6);
        for (int k = 0; k <= graduations; ++k) {
            const double jour = xmin + (xmax - xmin) * k / graduations;
            const int x = a.X(jour);
            Segment(c, x, a.Bas, x, a.Bas + s.Graduation);
            const std::string texte = date(jour);
            c.EcritTexte(x - c.LargeurTexte(texte) / 2, a.Bas + s.Graduation, texte);
        }
    } else {
        const double pas = std::max(1.0, PasRond(xmax - xmin, 10));
        for (double n = std::ceil(a.X0 / pas) * pas; n <= a.X1; n += pas) {
            const int x = a.X(n);
            Segment(c, x, a.Bas, x, a.Bas + s.Graduation);
            const std::string texte =
                Remplace(systeme.Traduit("Pages", "N°%1"), {std::to_string(static_cast<long>(n))});
            c.EcritTexte(x - c.LargeurTexte(texte) / 2, a.Bas + s.Graduation, texte);
        }
    }
    // λ/8 and λ/4, the usual marks of a good and of a fair mirror.
    for (const auto& [nm, texte] : {std::pair<double, std::string_view>{70, "λ/8"}, {140, "λ/4"}}) {
        if (nm > a.Y1) continue;
        c.FixeStylePlume(StylePlume::Pointille);
        Segment(c, a.Gauche, a.Y(nm), a.Droite, a.Y(nm));
        c.FixeStylePlume(StylePlume::Plein);
        c.EcritTexte(a.Droite + t / 4, a.Y(nm) - t / 2, texte);
    }
    for (std::size_t i = 0; i < reduites.size(); ++i) {
        const int x = a.X(abscisse(reduites[i])), y = a.Y(*reduites[i]->EcartMax);
        if (i > 0) Segment(c, a.X(abscisse(reduites[i - 1])), a.Y(*reduites[i - 1]->EcartMax), x, y);
        Disque(c, x, y, s.Marque);
    }
}

void DessineGrapheZones(Canvas& c, const RectangleGraphe& zone,
                        const std::vector<const ResumeSerie*>& series, double diametre,
                        Systeme& systeme, const std::function<std::string(double)>& date,
                        const StyleHistorique& s) {
    const char sep = systeme.SeparateurDecimal();
    c.FixePlume(Plume{Noir, StylePlume::Plein, s.Trait});
    c.FixeBrosse(Brosse{Blanc, StyleBrosse::Vide});
    Pourtour(c, zone.Gauche, zone.Haut, zone.Droite, zone.Bas);
    const int t = c.HauteurTexte("0");
    if (series.empty() || !(diametre > 0)) {
        const std::string vide = systeme.Traduit("Pages", "Aucune série réduite.");
        c.EcritTexte((zone.Gauche + zone.Droite - c.LargeurTexte(vide)) / 2,
                     (zone.Haut + zone.Bas - t) / 2, vide);
        return;
    }
    // Zero and every deviation, at least ±0.01 mm.
    double ymin = -0.01, ymax = 0.01;
    for (const ResumeSerie* r : series)
        for (int i = 1; i <= r->NombreZones; ++i) {
            ymin = std::min(ymin, r->EcartLongitudinal[static_cast<std::size_t>(i)]);
            ymax = std::max(ymax, r->EcartLongitudinal[static_cast<std::size_t>(i)]);
        }
    // The legend on the right, one line a series, the newest last as it is drawn.
    const int echantillon = 8 * t / 3;
    int largeurLegende = 0;
    std::vector<std::string> libelles;
    for (const ResumeSerie* r : series) {
        libelles.push_back(Remplace(systeme.Traduit("Pages", "Série %1 (%2)"),
                                    {std::to_string(r->Numero), date(r->Date)}));
        largeurLegende = std::max(largeurLegende, c.LargeurTexte(libelles.back()));
    }
    const double pasY = PasRond(ymax - ymin, 8);
    Axes a = AxesDe(c, zone, "-0,000", s);
    a.Droite = zone.Droite - largeurLegende - echantillon - 3 * t;
    const int xLegende = a.Droite + 2 * t;
    a.X1 = diametre / 2;
    a.Y1 = std::ceil(ymax / pasY) * pasY;
    a.Y0 = std::floor(ymin / pasY) * pasY;

    c.EcritTexte(a.Gauche + t / 2, zone.Haut + t / 4, "mm");
    GraduationsY(c, a, pasY, pasY < 0.01 ? "#0.000" : "#0.00", sep, s);
    Segment(c, a.Gauche, a.Haut, a.Gauche, a.Bas + 1);
    Segment(c, a.Gauche, a.Bas, a.Droite + 1, a.Bas);
    Segment(c, a.Gauche, a.Y(0), a.Droite + 1, a.Y(0));
    const double pasX = PasRond(diametre / 2, 8);
    for (double h = 0; h <= diametre / 2 + pasX / 100; h += pasX) {
        const int x = a.X(h);
        Segment(c, x, a.Bas, x, a.Bas + s.Graduation);
        const std::string texte = FormateMasque(h, "#0", sep);
        c.EcritTexte(x - c.LargeurTexte(texte) / 2, a.Bas + s.Graduation, texte);
    }
    c.EcritTexte(a.Droite + c.LargeurTexte("000") / 2 + t / 2, a.Bas + s.Graduation, "Hm");

    for (std::size_t k = 0; k < series.size(); ++k) {
        const int rang = static_cast<int>(k);
        const ResumeSerie& r = *series[k];
        double phase = 0;
        for (int i = 2; i <= r.NombreZones; ++i) {
            const auto p = static_cast<std::size_t>(i - 1), q = static_cast<std::size_t>(i);
            TraitMotif(c, a.X(r.Hm[p]), a.Y(r.EcartLongitudinal[p]), a.X(r.Hm[q]),
                       a.Y(r.EcartLongitudinal[q]), MotifTrait(rang), s.Motif, phase);
        }
        for (int i = 1; i <= r.NombreZones; ++i)
            Marque(c, rang, a.X(r.Hm[static_cast<std::size_t>(i)]),
                   a.Y(r.EcartLongitudinal[static_cast<std::size_t>(i)]), s.Marque);
        const int y = a.Haut + rang * 3 * t / 2;
        double phaseLegende = 0;
        TraitMotif(c, xLegende, y + t / 2, xLegende + echantillon, y + t / 2, MotifTrait(rang),
                   s.Motif, phaseLegende);
        Marque(c, rang, xLegende + echantillon / 2, y + t / 2, s.Marque);
        c.EcritTexte(xLegende + echantillon + t / 2, y, libelles[k]);
    }
}

} // namespace tarvo
