#include "optics/TexteEnLangue.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/commun/TextesComposes.h"
#include "pages/graphes/EchellesGraphes.h"
#include "pages/graphes/ElementsGraphes.h"
#include "pages/graphes/GraphesBulletin.h"
#include "pages/graphes/LigneLissee.h"

#include <cstddef>
#include <string>

namespace tarvo {

namespace {

double ValeurParabole(const Parabole& p, double h) {
    return p.A * h * h + p.B;
}

const ZoneBulletin& Zone(const ResultatReduction& r, int i) {
    return r.Zones[static_cast<std::size_t>(i)];
}

// "ε = 123 nanomètres = λ/4.6". A wavefront exactly on its parabola has no fraction of λ:
// the legend then stops at the nanometres.
void LegendeEcart(Canvas& c, int x, int y, const DonneesGraphes& g, bool papier, int leve) {
    const ResultatReduction& r = g.Reduction;
    const char separateur = g.Separateur;
    int suite = EcritGrec(c, x, y, "e", leve);
    std::string texte = Remplace(TexteEnLangue(g.Langue, TARVO_NOOP("Pages", " = %1 nanomètres")),
                                 {FormateMasque(r.Parabole.EcartMax, "#0", separateur)});
    if (!r.FractionLambda) {
        c.EcritTexte(suite, y, texte);
        return;
    }
    c.EcritTexte(suite, y, texte + " = ");
    suite = EcritGrec(c, c.PositionCourante().X, y, "l", leve);
    const double q = *r.FractionLambda;
    const char* masque = q >= 10 ? "#0" : (q >= 1 || papier) ? "#0.0" : "#0.00";
    c.EcritTexte(suite, y, "/" + FormateMasque(q, masque, separateur));
}

// The dotted parabola, one dot every `pas` of k, from the hole's edge to the rim.
template <typename Pointe>
void PointsParabole(const Repere& rp, const DonneesGraphes& g, int pas, double diviseur,
                    Pointe point) {
    const Parabole& p = g.Reduction.Parabole.Coefficients;
    if (pas <= 0 || !(diviseur > 0)) return;
    double h = 0;
    for (long k = 0; h < g.Diametre / 2;) {
        if (h > g.Trou / 2)
            point(EnPixel(rp.X0 + h * rp.EchelleX),
                  EnPixel(rp.Y0 + ValeurParabole(p, h) * rp.EchelleY));
        k += pas;
        h = static_cast<double>(k) * g.Diametre / diviseur / 2;
    }
}

// The bar between the wavefront and the parabola at the point farthest from it.
void BarreEcart(Canvas& c, const Repere& rp, const ResultatReduction& r, int largeur) {
    const int i = r.Parabole.PointEcartMax;
    if (i < 0 || i > r.NombreZones) return;
    const double h = Zone(r, i).RayonExterieur;
    c.FixeLargeurPlume(largeur);
    Segment(c, rp.X(h), rp.Y(ValeurParabole(r.Parabole.Coefficients, h)), rp.X(h),
            rp.Y(Zone(r, i).Onde));
}

} // namespace

void DessineGrapheOnde(Canvas& image, int largeur, int hauteur, const DonneesGraphes& g) {
    PrepareImage(image, largeur, hauteur);
    const ResultatReduction& r = g.Reduction;
    if (!ReductionDessinable(r)) return;
    const ResultatEchelleOnde e = EchelleOnde(r);
    const int x0 = image.LargeurTexte(e.Echantillon);
    const int utile = largeur - x0 - 13;
    const int marges = e.ZeroEnHaut ? 56 : 36;
    if (!(g.Diametre > 0) || utile <= 0 || hauteur <= marges) {
        Pourtour(image, 0, 0, largeur - 1, hauteur - 1);
        return;
    }
    Repere rp;
    rp.X0 = x0;
    rp.EchelleX = utile / (g.Diametre / 2);
    rp.EchelleY = (marges - hauteur) / e.Etendue;
    const double sY = rp.EchelleY;
    rp.Y0 =
        e.ZeroEnHaut ? 40 : hauteur - Tronque((hauteur - (e.Min - e.Max) * sY) / 2 + e.Min * sY);

    if (g.Trou > 0.0001) BandeTrou(image, x0, 0, x0 + Tronque(rp.EchelleX * g.Trou / 2), hauteur);
    image.Rectangle(0, 0, largeur, hauteur);
    image.EcritTexte(6, 1, "nm");
    GraduationsHorizontales(image, rp, g.Diametre, -e.Min < e.Max, 3, 4, "123");

    // The disc takes the last shade of the line as its outline.
    for (int i = 1; i <= r.NombreZones; ++i) {
        const int x = rp.X(Zone(r, i).RayonExterieur), y = rp.Y(Zone(r, i).Onde);
        LigneLissee(image, rp.X(Zone(r, i - 1).RayonExterieur), rp.Y(Zone(r, i - 1).Onde), x, y,
                    Noir);
        Disque(image, x, y, 2);
    }
    image.FixePlume(Plume{Noir, StylePlume::Plein, 1});
    PointsParabole(rp, g, 5, utile, [&image](int x, int y) { Segment(image, x, y, x, y + 1); });
    BarreEcart(image, rp, r, 2);
    image.FixeLargeurPlume(1);

    Segment(image, 0, rp.Y0, largeur - 13, rp.Y0);
    Segment(image, x0, 13, x0, hauteur - 13);
    FlecheVerticaleEcran(image, x0);
    FlecheHorizontaleEcran(image, largeur, rp.Y0);
    LegendeEcart(image, largeur / 2, 1, g, false, 0);

    for (int k = 0; k <= 10; ++k) {
        const int ecart = EnPixel(k * e.Pas * sY);
        const std::string valeur = std::to_string(k * e.Pas);
        if (const int y = ecart + rp.Y0; y > 13) {
            Segment(image, x0 - 3, y, x0, y);
            EcritAGauche(image, x0 - 4, y - 6, valeur);
        }
        if (const int y = rp.Y0 - ecart; k > 0 && y < hauteur - 13) {
            Segment(image, x0 - 3, y, x0, y);
            EcritAGauche(image, x0 - 4, y - 6, "-" + valeur);
        }
    }
    Pourtour(image, 0, 0, largeur - 1, hauteur - 1);
}

void DessineGrapheOndePapier(Canvas& papier, const MiseEnPage& m, const RectangleGraphe& zone,
                             const DonneesGraphes& g) {
    const ResultatReduction& r = g.Reduction;
    if (!ReductionDessinable(r)) return;
    const ReglagesPapier reglages(papier, m);
    const MesuresPapier p = MesurePapier(papier, m);
    const ResultatEchelleOnde e = EchelleOnde(r);
    const int G = zone.Bas - zone.Haut;
    const int x0 = zone.Gauche + papier.LargeurTexte(e.Echantillon);
    const int utile = zone.Droite - x0 - p.Zero;
    const int marges = (e.ZeroEnHaut ? 4 : 3) * p.Texte;
    if (!(g.Diametre > 0) || utile <= 0 || G <= marges) {
        Pourtour(papier, zone.Gauche, zone.Haut, zone.Droite, zone.Bas);
        return;
    }
    Repere rp;
    rp.X0 = x0;
    rp.EchelleX = utile / (g.Diametre / 2);
    rp.EchelleY = static_cast<double>(marges - G) / e.Etendue;
    const double sY = rp.EchelleY;
    rp.Y0 = e.ZeroEnHaut ? zone.Haut + 5 * p.Texte / 2
                         : zone.Haut + G - Tronque((G - (e.Min - e.Max) * sY) / 2 + e.Min * sY);

    if (g.Trou > 0.0001)
        BandeTrou(papier, x0, zone.Haut, x0 + Tronque(rp.EchelleX * g.Trou / 2), zone.Bas);
    papier.EcritTexte(zone.Gauche + p.Zero, zone.Haut + m.UnitePoint, "nm");
    papier.FixeLargeurPlume(m.DemiPoint);
    GraduationsHorizontales(papier, rp, g.Diametre, -e.Min < e.Max, 2 * p.DemiFleche,
                            2 * p.DemiFleche, "H");

    papier.FixeLargeurPlume(1);
    for (int i = 1; i <= r.NombreZones; ++i) {
        const int x = rp.X(Zone(r, i).RayonExterieur), y = rp.Y(Zone(r, i).Onde);
        Segment(papier, rp.X(Zone(r, i - 1).RayonExterieur), rp.Y(Zone(r, i - 1).Onde), x, y);
        Disque(papier, x, y, 2 * m.UnitePoint);
    }
    papier.FixeLargeurPlume(m.DemiPoint);
    PointsParabole(rp, g, m.PointsParPouce / 12, zone.Droite - zone.Gauche - p.Retrait,
                   [&papier, &m](int x, int y) { Segment(papier, x, y, x, y + m.UnitePoint); });
    BarreEcart(papier, rp, r, m.UnitePoint);

    AxesPapier(papier, m, p, zone.Gauche, zone.Haut, zone.Droite, zone.Bas, rp);
    LegendeEcart(papier, papier.Largeur() / 2, zone.Haut + m.UnitePoint, g, true, p.LeveGrec);

    papier.FixeLargeurPlume(m.DemiPoint);
    const int trait = 2 * p.DemiFleche;
    const int plusHaut = zone.Haut + p.Retrait + p.Fleche, plusBas = zone.Bas - p.Retrait;
    for (int k = 0; k <= 10; ++k) {
        const int ecart = EnPixel(k * e.Pas * sY);
        const std::string valeur = std::to_string(k * e.Pas);
        if (const int y = ecart + rp.Y0; y > plusHaut) {
            Segment(papier, x0 - trait, y, x0, y);
            EcritAGauche(papier, x0 - trait, y - p.Texte / 2, valeur);
        }
        if (const int y = rp.Y0 - ecart; k > 0 && y < plusBas) {
            Segment(papier, x0 - trait, y, x0, y);
            EcritAGauche(papier, x0 - trait, y - p.Texte / 2, "-" + valeur);
        }
    }
    papier.FixeLargeurPlume(m.UnitePoint);
    Pourtour(papier, zone.Gauche, zone.Haut, zone.Droite, zone.Bas);
}

} // namespace tarvo
