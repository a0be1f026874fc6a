#include "pages/commun/MasqueNombre.h"
#include "pages/commun/TextesComposes.h"
#include "pages/graphes/EchellesGraphes.h"
#include "pages/graphes/ElementsGraphes.h"
#include "pages/graphes/GraphesBulletin.h"
#include "pages/graphes/LigneLissee.h"

#include <array>
#include <cmath>
#include <string>

namespace tarvo {

namespace {

// Beyond this many spot radii the ±ρ lines lie too close to the zero line for a label.
constexpr double EtendueEtiquettesRho = 40;

// The curve's points: the hole's edge (on the line from the centre value to zone 1), the
// zones at their mean radii, the rim. Zones 1..N carry a disc.
struct Courbe {
    std::array<Point, ZonesMax + 2> Points{};
    int Nombre = 0;
};

Courbe PointsCourbe(const Repere& rp, const DonneesGraphes& g) {
    const ResultatReduction& r = g.Reduction;
    const ResultatEchelle& e = r.Echelle;
    const int n = r.NombreZones;
    const ZoneBulletin& z1 = r.Zones[1];
    // Hm(1) is 0 only without a hole: the hole's edge is then the centre.
    const double part = z1.Hm != 0 ? (g.Trou / 2) / z1.Hm : 0;
    const double centre =
        e.AberrationCentre + (z1.AberrationTransversale - e.AberrationCentre) * part;
    Courbe c;
    c.Points[0] = {rp.X(g.Trou / 2), rp.Y(centre)};
    for (int i = 1; i <= n; ++i) {
        const ZoneBulletin& z = r.Zones[static_cast<std::size_t>(i)];
        c.Points[static_cast<std::size_t>(i)] = {rp.X(z.Hm), rp.Y(z.AberrationTransversale)};
    }
    c.Points[static_cast<std::size_t>(n + 1)] = {rp.X(g.Diametre / 2), rp.Y(e.AberrationBord)};
    c.Nombre = n + 2;
    return c;
}

// x of the largest aberration: a zone, or the rim (N + 1); nothing when every aberration
// is 0.
bool AbscisseMax(const Repere& rp, const DonneesGraphes& g, int& x) {
    const ResultatReduction& r = g.Reduction;
    const int point = r.Echelle.PointFMax;
    if (point == r.NombreZones + 1) {
        x = rp.X(g.Diametre / 2);
        return true;
    }
    if (point < 1 || point > r.NombreZones) return false;
    x = rp.X(r.Zones[static_cast<std::size_t>(point)].Hm);
    return true;
}

void BarreMax(Canvas& c, const Repere& rp, const DonneesGraphes& g, int largeur) {
    int x = 0;
    if (!AbscisseMax(rp, g, x)) return;
    const int avant = c.PlumeCourante().Largeur;
    c.FixeLargeurPlume(largeur);
    Segment(c, x, rp.Y0, x, rp.Y(g.Reduction.Echelle.FMax));
    c.FixeLargeurPlume(avant);
}

// "ρ = 1.23 µm" at x, the text after a gap as wide as an Arial "r"; "λF max = 0.85ρ" at
// xFMax.
void Legendes(Canvas& c, int x, int xFMax, int y, const DonneesGraphes& g, int leve) {
    const double rho = g.Reduction.RayonTache;
    EcritGrec(c, x, y, "r", leve);
    c.EcritTexte(x + c.LargeurTexte("r"), y,
                 " = " + FormateMasque(rho, "#0.00", g.Separateur) + " µm");
    const int suite = EcritGrec(c, xFMax, y, "l", leve);
    c.EcritTexte(suite, y,
                 "F max = " + FormateMasque(std::fabs(g.Reduction.Echelle.FMax / rho), "#0.00",
                                            g.Separateur));
    EcritGrec(c, c.PositionCourante().X, y, "r", leve);
}

bool EtiquettesRho(const ResultatReduction& r) {
    return r.Echelle.Etendue / r.RayonTache < EtendueEtiquettesRho;
}

// The scale of both targets, or false when the area leaves no room for a plot.
bool Echelles(const DonneesGraphes& g, int x0, int utile, int hauteur, int marges, Repere& rp) {
    const ResultatEchelle& e = g.Reduction.Echelle;
    if (!(g.Diametre > 0) || !(g.Reduction.RayonTache > 0) || !(e.Etendue > 0) || utile <= 0 ||
        hauteur <= marges)
        return false;
    rp.X0 = x0;
    rp.EchelleX = utile / (g.Diametre / 2);
    rp.EchelleY = static_cast<double>(marges - hauteur) / e.Etendue;
    return true;
}

int ZeroCentre(int hauteur, double sY, const ResultatEchelle& e) {
    return hauteur - EnPixel((hauteur - (e.Min - e.Max) * sY) / 2 + e.Min * sY);
}

} // namespace

void DessineGrapheAberrations(Canvas& image, int largeur, int hauteur, const DonneesGraphes& g) {
    PrepareImage(image, largeur, hauteur);
    const ResultatReduction& r = g.Reduction;
    if (!ReductionDessinable(r)) return;
    const ResultatEchelle& e = r.Echelle;
    const int x0 = image.LargeurTexte(EchelleOnde(r).Echantillon);
    Repere rp;
    if (!Echelles(g, x0, largeur - x0 - 13, hauteur, 40, rp)) {
        Pourtour(image, 0, 0, largeur - 1, hauteur - 1);
        return;
    }
    rp.Y0 = ZeroCentre(hauteur, rp.EchelleY, e);

    if (g.Trou > 0.0001) BandeTrou(image, x0, 0, x0 + Tronque(rp.EchelleX * g.Trou / 2), hauteur);
    image.Rectangle(0, 0, largeur, hauteur);
    Segment(image, x0, 13, x0, hauteur - 13);
    FlecheHorizontaleEcran(image, largeur, rp.Y0);
    GraduationsHorizontales(image, rp, g.Diametre, -e.Min < e.Max, 3, 4, "123");

    const Courbe courbe = PointsCourbe(rp, g);
    for (int i = 1; i < courbe.Nombre; ++i) {
        const Point de = courbe.Points[static_cast<std::size_t>(i - 1)];
        const Point vers = courbe.Points[static_cast<std::size_t>(i)];
        LigneLissee(image, de.X, de.Y, vers.X, vers.Y, Noir);
        image.FixeCouleurPlume(Noir);
        if (i < courbe.Nombre - 1) Disque(image, vers.X, vers.Y, 2);
    }

    const int yPlus = rp.Y(r.RayonTache), yMoins = rp.Y(-r.RayonTache);
    if (EtiquettesRho(r)) {
        EcritGrec(image, x0 - 6 - LargeurGrec(image, "+r"), yPlus - 6, "+r");
        EcritGrec(image, x0 - 6 - LargeurGrec(image, "-r"), yMoins - 6, "-r");
    }
    for (const int y : {yPlus, yMoins}) {
        Segment(image, x0 - 3, y, x0, y);
        Segment(image, rp.X(g.Trou / 2) - 3, y, rp.X(g.Diametre / 2), y);
    }
    Segment(image, 0, rp.Y0, largeur - 13, rp.Y0);
    FlecheVerticaleEcran(image, x0);
    Legendes(image, x0 + 33, largeur / 2, 1, g, 0);
    Segment(image, x0, rp.Y0, largeur - 13, rp.Y0);
    BarreMax(image, rp, g, 2);
    Pourtour(image, 0, 0, largeur - 1, hauteur - 1);
}

void DessineGrapheAberrationsPapier(Canvas& papier, const MiseEnPage& m,
                                    const RectangleGraphe& zone, const DonneesGraphes& g) {
    const ResultatReduction& r = g.Reduction;
    if (!ReductionDessinable(r)) return;
    const ReglagesPapier reglages(papier, m);
    const MesuresPapier p = MesurePapier(papier, m);
    const ResultatEchelle& e = r.Echelle;
    const int G = zone.Bas - zone.Haut;
    const int x0 = zone.Gauche + papier.LargeurTexte(EchelleOnde(r).Echantillon);
    Repere rp;
    if (!Echelles(g, x0, zone.Droite - x0 - p.Zero, G, 2 * p.Texte, rp)) {
        Pourtour(papier, zone.Gauche, zone.Haut, zone.Droite, zone.Bas);
        return;
    }
    rp.Y0 = zone.Haut + ZeroCentre(G, rp.EchelleY, e);

    if (g.Trou > 0.0001)
        BandeTrou(papier, x0, zone.Haut, x0 + Tronque(rp.EchelleX * g.Trou / 2), zone.Bas);
    const int trait = 2 * p.DemiFleche;
    papier.FixeLargeurPlume(m.DemiPoint);
    GraduationsHorizontales(papier, rp, g.Diametre, -e.Min < e.Max, trait, trait, "H");

    papier.FixeLargeurPlume(1);
    const Courbe courbe = PointsCourbe(rp, g);
    for (int i = 1; i < courbe.Nombre; ++i) {
        const Point de = courbe.Points[static_cast<std::size_t>(i - 1)];
        const Point vers = courbe.Points[static_cast<std::size_t>(i)];
        Segment(papier, de.X, de.Y, vers.X, vers.Y);
        if (i < courbe.Nombre - 1) Disque(papier, vers.X, vers.Y, 2 * m.UnitePoint);
    }

    const int yPlus = rp.Y(r.RayonTache), yMoins = rp.Y(-r.RayonTache);
    if (EtiquettesRho(r)) {
        const int haut = 2 * p.Texte / 3;
        EcritGrec(papier, x0 - p.Fleche - LargeurGrec(papier, "+r"), yPlus - haut, "+r");
        EcritGrec(papier, x0 - p.Fleche - LargeurGrec(papier, "-r"), yMoins - haut, "-r");
    }
    papier.FixeLargeurPlume(m.DemiPoint);
    for (const int y : {yPlus, yMoins}) {
        Segment(papier, x0 - trait, y, x0, y);
        Segment(papier, rp.X(g.Trou / 2), y, rp.X(g.Diametre / 2), y);
    }
    AxesPapier(papier, m, p, zone.Gauche, zone.Haut, zone.Droite, zone.Bas, rp);
    Legendes(papier, x0 + 33 * m.PointsParPouce / 96, papier.Largeur() / 2,
             zone.Haut + m.UnitePoint, g, p.LeveGrec);
    BarreMax(papier, rp, g, m.UnitePoint);
    papier.FixeLargeurPlume(m.UnitePoint);
    Pourtour(papier, zone.Gauche, zone.Haut, zone.Droite, zone.Bas);
}

} // namespace tarvo
