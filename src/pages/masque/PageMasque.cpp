#include "pages/masque/PageMasque.h"

#include "pages/commun/EnteteEtPied.h"
#include "pages/commun/MasqueNombre.h"
#include "platform/Traduction.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace tarvo {

namespace {

constexpr double A4Largeur = 210, A4Hauteur = 297, A3Largeur = 297, A3Hauteur = 420;
// Room the texts need above the mask and the checks of scale below it, on one sheet.
constexpr double Entete = 30, Pied = 30;
constexpr double PasHachures = 1.5;
constexpr Couleur Hachure{150, 150, 150};
constexpr std::string_view CentPourCent = TARVO_NOOP("Pages", "Imprimer à 100 %");
constexpr std::string_view SansAjustement =
    TARVO_NOOP("Pages", "taille réelle, sans ajustement à la page");

// From the mask's millimetres (origin the mirror's centre, y up) to the sheet's pixels, and
// the part of the sheet (mm from its corner) that may be drawn on.
struct Vers {
    double CentreX = 0, CentreY = 0; // the mirror's centre on the sheet, mm
    int Ppp = 1200;
    double Gauche = 0, Haut = 0, Droite = 1e9, Bas = 1e9;
    int X(double x) const { return static_cast<int>(std::lround((CentreX + x) * Ppp / 25.4)); }
    int Y(double y) const { return static_cast<int>(std::lround((CentreY - y) * Ppp / 25.4)); }
    int Px(double mm) const { return static_cast<int>(std::lround(mm * Ppp / 25.4)); }
};

// The part of the segment a–b inside the drawable part of the sheet (Liang–Barsky).
void Trait(Canvas& c, const Vers& v, PointMm a, PointMm b) {
    double t0 = 0, t1 = 1;
    const double ax = v.CentreX + a.X, ay = v.CentreY - a.Y;
    const double dx = b.X - a.X, dy = -(b.Y - a.Y);
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {ax - v.Gauche, v.Droite - ax, ay - v.Haut, v.Bas - ay};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return;
    }
    c.DeplaceVers(v.X(a.X + t0 * (b.X - a.X)), v.Y(a.Y + t0 * (b.Y - a.Y)));
    c.TraceVers(v.X(a.X + t1 * (b.X - a.X)), v.Y(a.Y + t1 * (b.Y - a.Y)));
}

void Contour(Canvas& c, const Vers& v, const std::vector<PointMm>& points) {
    for (std::size_t i = 0; i < points.size(); ++i)
        Trait(c, v, points[i], points[(i + 1) % points.size()]);
}

// Grey lines across the window, so that what is cut out is seen at once.
void Hachures(Canvas& c, const Vers& v, const std::vector<PointMm>& contour) {
    double bas = 1e9, haut = -1e9;
    for (const PointMm& p : contour) {
        bas = std::min(bas, p.Y);
        haut = std::max(haut, p.Y);
    }
    const Plume avant = c.PlumeCourante();
    c.FixeCouleurPlume(Hachure);
    for (double y = std::ceil(bas / PasHachures) * PasHachures; y < haut; y += PasHachures) {
        std::vector<double> xs;
        for (std::size_t i = 0; i < contour.size(); ++i) {
            const PointMm a = contour[i], b = contour[(i + 1) % contour.size()];
            if ((a.Y <= y) != (b.Y <= y)) xs.push_back(a.X + (y - a.Y) * (b.X - a.X) / (b.Y - a.Y));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t k = 0; k + 1 < xs.size(); k += 2)
            Trait(c, v, {xs[k], y}, {xs[k + 1], y});
    }
    c.FixePlume(avant);
}

void Texte(Canvas& c, const Vers& v, double x, double y, std::string_view texte, bool centre) {
    const double sx = v.CentreX + x, sy = v.CentreY - y;
    if (sx < v.Gauche || sx > v.Droite || sy < v.Haut || sy > v.Bas) return;
    const int px = v.X(x) - (centre ? c.LargeurTexte(texte) / 2 : 0);
    c.EcritTexte(px, v.Y(y) - c.HauteurTexte(texte) / 2, texte);
}

std::string Millimetres(double v, char sep) {
    return FormateMasque(v, "#0.#", sep);
}

// The mask itself: the cut-out circle, the mirror's rim and hole dashed, the centre, every
// window outlined, hatched and labelled with its zone and radii.
void DessineMasque(Canvas& c, const GeometrieMasque& m, const Vers& v, char sep) {
    const int fin = std::max(1, v.Px(0.2)), gros = std::max(1, v.Px(0.35));
    c.FixeBrosse(Brosse{Blanc, StyleBrosse::Vide});
    c.FixePlume(Plume{Noir, StylePlume::Plein, gros});
    Contour(c, v, Cercle(m.RayonDecoupe));
    c.FixePlume(Plume{Noir, StylePlume::Pointille, fin});
    Contour(c, v, Cercle(m.RayonMiroir));
    if (m.RayonTrou > 0) Contour(c, v, Cercle(m.RayonTrou));
    c.FixePlume(Plume{Noir, StylePlume::Plein, fin});
    Trait(c, v, {-3, 0}, {3, 0});
    Trait(c, v, {0, -3}, {0, 3});
    for (const FenetreMasque& f : m.Fenetres) {
        Hachures(c, v, f.Contour);
        c.FixePlume(Plume{Noir, StylePlume::Plein, gros});
        Contour(c, v, f.Contour);
    }
    c.FixeStyleBrosse(StyleBrosse::Vide);
    for (const FenetreMasque& f : m.Fenetres) {
        c.FixeTaillePolice(8);
        c.FixeGras(true);
        Texte(c, v, f.Milieu.X, f.Milieu.Y + 2, "Z" + std::to_string(f.Zone), true);
        c.FixeTaillePolice(6);
        c.FixeGras(false);
        Texte(c, v, f.Milieu.X, f.Milieu.Y - 2,
              Millimetres(f.RayonInterieur, sep) + "–" + Millimetres(f.RayonExterieur, sep), true);
    }
}

// The checks of the printer's scale: a bar of 100 mm graduated every 10 mm, and a square of
// 10 mm, their tops at y (mm from the sheet's top).
void Echelles(Canvas& c, int ppp, double gauche, double droite, double y) {
    const Vers v{0, 0, ppp};
    const int trait = std::max(1, v.Px(0.25));
    c.FixePlume(Plume{Noir, StylePlume::Plein, trait});
    c.FixeBrosse(Brosse{Blanc, StyleBrosse::Vide});
    auto ligne = [&](double x1, double y1, double x2, double y2) {
        c.DeplaceVers(v.Px(x1), v.Px(y1));
        c.TraceVers(v.Px(x2), v.Px(y2));
    };
    ligne(gauche, y + 5, gauche + 100, y + 5);
    for (int k = 0; k <= 10; ++k) {
        const double x = gauche + 10 * k;
        ligne(x, y + (k % 5 == 0 ? 1 : 3), x, y + 5);
    }
    c.FixeTaillePolice(8);
    c.EcritTexte(v.Px(gauche), v.Px(y + 6), "100 mm");
    c.Rectangle(v.Px(droite - 10), v.Px(y), v.Px(droite), v.Px(y + 10));
    c.EcritTexte(v.Px(droite - 10), v.Px(y + 11), "10 mm");
}

void Titres(ContextePage& page, Canvas& c, const GeometrieMasque& m, double largeur) {
    const Document& doc = page.doc;
    Systeme& systeme = page.systeme;
    const int ppp = c.PixelsParPouce();
    const Vers v{0, 0, ppp};
    c.FixeTaillePolice(14);
    c.FixeGras(true);
    const std::string titre = systeme.Traduit("Pages", "Masque de Couder") +
                              (doc.Intitule.empty() ? "" : " — " + doc.Intitule);
    c.EcritTexte(v.Px(MargeMasque), v.Px(8), titre);
    c.FixeTaillePolice(9);
    c.FixeGras(false);
    const char sep = systeme.SeparateurDecimal();
    c.EcritTexte(
        v.Px(MargeMasque), v.Px(16),
        Remplace(systeme.Traduit("Pages", "Série N°%1 du %2 : miroir de %3 mm, %4 zones"),
                 {std::to_string(doc.SerieCourante), systeme.DateCourte(doc.DateSerie),
                  Millimetres(2 * m.RayonMiroir, sep), std::to_string(m.Fenetres.size() / 2)}));
    c.EcritTexte(v.Px(MargeMasque), v.Px(21),
                 Remplace(systeme.Traduit("Pages", "Fenêtres de %1 mm de haut, ponts de %2 mm ; "
                                                   "découper les fenêtres hachurées et le cercle "
                                                   "extérieur (le pointillé est le bord du "
                                                   "miroir)."),
                          {Millimetres(m.Hauteur, sep), Millimetres(m.Pont, sep)}));
    const std::string centPourCent = systeme.Traduit("Pages", CentPourCent);
    const std::string sansAjustement = systeme.Traduit("Pages", SansAjustement);
    c.FixeTaillePolice(12);
    c.FixeGras(true);
    c.EcritTexte(v.Px(largeur - MargeMasque) - c.LargeurTexte(centPourCent), v.Px(8), centPourCent);
    c.FixeTaillePolice(8);
    c.FixeGras(false);
    c.EcritTexte(v.Px(largeur - MargeMasque) - c.LargeurTexte(sansAjustement), v.Px(14),
                 sansAjustement);
}

void FeuilleUnique(ContextePage& page, Canvas& c, const GeometrieMasque& m,
                   const DispositionMasque& d) {
    const int ppp = c.PixelsParPouce();
    Titres(page, c, m, d.Format.LargeurMm);
    DessineMasque(c, m, Vers{d.CentreX, d.CentreY, ppp}, page.systeme.SeparateurDecimal());
    Echelles(c, ppp, MargeMasque, d.Format.LargeurMm - MargeMasque,
             d.Format.HauteurMm - MargeMasque - 17);
}

// The first sheet of a mosaic: the texts, the checks of scale, and the plan of the tiles.
void Notice(ContextePage& page, Canvas& c, const GeometrieMasque& m, const DispositionMasque& d) {
    const int ppp = c.PixelsParPouce();
    Titres(page, c, m, A4Largeur);
    const Vers v{0, 0, ppp};
    Systeme& systeme = page.systeme;
    c.FixeTaillePolice(10);
    c.EcritTexte(v.Px(MargeMasque), v.Px(30),
                 Remplace(systeme.Traduit("Pages", "Le masque tient sur %1 feuilles A4, numérotées "
                                                   "comme sur ce plan :"),
                          {std::to_string(d.Colonnes * d.Rangees)}));
    c.EcritTexte(v.Px(MargeMasque), v.Px(35),
                 systeme.Traduit("Pages", "superposez leurs bandes de 10 mm en faisant coïncider "
                                          "les croix, puis collez-les."));
    // The plan: the whole at a reduced scale, its tiles numbered.
    const double pasX = A4Largeur - 2 * MargeMasque - RecouvrementMasque;
    const double pasY = A4Hauteur - 2 * MargeMasque - RecouvrementMasque;
    const double largeur = d.Colonnes * pasX + RecouvrementMasque;
    const double hauteur = d.Rangees * pasY + RecouvrementMasque;
    const double echelle = std::min(150 / largeur, 150 / hauteur);
    const double x0 = (A4Largeur - largeur * echelle) / 2, y0 = 45;
    c.FixePlume(Plume{Noir, StylePlume::Plein, std::max(1, v.Px(0.2))});
    c.FixeBrosse(Brosse{Blanc, StyleBrosse::Vide});
    for (int r = 0; r < d.Rangees; ++r)
        for (int col = 0; col < d.Colonnes; ++col) {
            const double gx = x0 + col * pasX * echelle, gy = y0 + r * pasY * echelle;
            c.Rectangle(v.Px(gx), v.Px(gy), v.Px(gx + (pasX + RecouvrementMasque) * echelle),
                        v.Px(gy + (pasY + RecouvrementMasque) * echelle));
            const std::string numero = std::to_string(2 + r * d.Colonnes + col);
            c.EcritTexte(v.Px(gx + 3), v.Px(gy + 3), numero);
        }
    const Vers plan{x0 + d.CentreX * echelle, y0 + d.CentreY * echelle, ppp};
    const auto cercle = Cercle(m.RayonDecoupe * echelle, 2);
    Contour(c, plan, cercle);
    Echelles(c, ppp, MargeMasque, A4Largeur - MargeMasque, A4Hauteur - MargeMasque - 17);
}

void Tuile(ContextePage& page, Canvas& c, const GeometrieMasque& m, const DispositionMasque& d,
           int rangee, int colonne) {
    const int ppp = c.PixelsParPouce();
    const double pasX = A4Largeur - 2 * MargeMasque - RecouvrementMasque;
    const double pasY = A4Hauteur - 2 * MargeMasque - RecouvrementMasque;
    const double droite = A4Largeur - MargeMasque, bas = A4Hauteur - MargeMasque;
    Vers v{MargeMasque + d.CentreX - colonne * pasX,
           MargeMasque + d.CentreY - rangee * pasY,
           ppp,
           MargeMasque,
           MargeMasque,
           droite,
           bas};
    DessineMasque(c, m, v, page.systeme.SeparateurDecimal());
    // The overlaps: the inner edge of each shared band dashed, crosses at its corners.
    const Vers feuille{0, 0, ppp};
    c.FixePlume(Plume{Noir, StylePlume::Pointille, std::max(1, feuille.Px(0.2))});
    auto ligne = [&](double x1, double y1, double x2, double y2) {
        c.DeplaceVers(feuille.Px(x1), feuille.Px(y1));
        c.TraceVers(feuille.Px(x2), feuille.Px(y2));
    };
    const double bandes[4][4] = {
        {MargeMasque + RecouvrementMasque, MargeMasque, MargeMasque + RecouvrementMasque, bas},
        {droite - RecouvrementMasque, MargeMasque, droite - RecouvrementMasque, bas},
        {MargeMasque, MargeMasque + RecouvrementMasque, droite, MargeMasque + RecouvrementMasque},
        {MargeMasque, bas - RecouvrementMasque, droite, bas - RecouvrementMasque}};
    const bool voisins[4] = {colonne > 0, colonne + 1 < d.Colonnes, rangee > 0,
                             rangee + 1 < d.Rangees};
    for (int k = 0; k < 4; ++k)
        if (voisins[k]) ligne(bandes[k][0], bandes[k][1], bandes[k][2], bandes[k][3]);
    c.FixeStylePlume(StylePlume::Plein);
    for (const double x :
         {MargeMasque, MargeMasque + RecouvrementMasque, droite - RecouvrementMasque, droite})
        for (const double y :
             {MargeMasque, MargeMasque + RecouvrementMasque, bas - RecouvrementMasque, bas}) {
            ligne(x - 2, y, x + 2, y);
            ligne(x, y - 2, x, y + 2);
        }
    c.FixeTaillePolice(8);
    c.FixeGras(false);
    const int numero = 2 + rangee * d.Colonnes + colonne;
    Systeme& systeme = page.systeme;
    c.EcritTexte(feuille.Px(MargeMasque), feuille.Px(3),
                 Remplace(systeme.Traduit("Pages", "Masque de Couder — feuille %1 sur %2 : rangée "
                                                   "%3, colonne %4 — %5"),
                          {std::to_string(numero), std::to_string(1 + d.Colonnes * d.Rangees),
                           std::to_string(rangee + 1), std::to_string(colonne + 1),
                           systeme.Traduit("Pages", CentPourCent)}));
}

} // namespace

DispositionMasque DisposeMasque(const GeometrieMasque& m) {
    DispositionMasque d;
    const double cote = 2 * m.RayonDecoupe;
    auto tient = [&](double largeur, double hauteur) {
        return cote + 2 * MargeMasque <= largeur &&
               cote + 2 * MargeMasque + Entete + Pied <= hauteur;
    };
    if (tient(A4Largeur, A4Hauteur) || tient(A3Largeur, A3Hauteur)) {
        const bool a4 = tient(A4Largeur, A4Hauteur);
        d.Format = {a4 ? A4Largeur : A3Largeur, a4 ? A4Hauteur : A3Hauteur, 1200};
        d.CentreX = d.Format.LargeurMm / 2;
        d.CentreY =
            Entete + MargeMasque + (d.Format.HauteurMm - Entete - Pied - 2 * MargeMasque) / 2;
        return d;
    }
    d.Format = {A4Largeur, A4Hauteur, 1200};
    d.Mosaique = true;
    const double pasX = A4Largeur - 2 * MargeMasque - RecouvrementMasque;
    const double pasY = A4Hauteur - 2 * MargeMasque - RecouvrementMasque;
    const double tout = cote + 2 * MargeMasque;
    d.Colonnes = static_cast<int>(std::ceil((tout - RecouvrementMasque) / pasX));
    d.Rangees = static_cast<int>(std::ceil((tout - RecouvrementMasque) / pasY));
    // Centred on the whole the tiles make.
    d.CentreX = (d.Colonnes * pasX + RecouvrementMasque) / 2;
    d.CentreY = (d.Rangees * pasY + RecouvrementMasque) / 2;
    return d;
}

void ImprimeMasque(ContextePage& page, const GeometrieMasque& m) {
    const DispositionMasque d = DisposeMasque(m);
    Canvas* papier = page.surface.DebuteImpressionFormat(d.Format);
    if (papier == nullptr) {
        page.ModeImpression = false;
        return;
    }
    Canvas& c = *papier;
    c.FixePolice(Police{std::string(PoliceArial), HauteurDeTaille(10, c.PixelsParPouce()), false});
    if (!d.Mosaique) {
        FeuilleUnique(page, c, m, d);
    } else {
        Notice(page, c, m, d);
        for (int r = 0; r < d.Rangees; ++r)
            for (int col = 0; col < d.Colonnes; ++col) {
                if (!page.surface.NouvelleFeuille()) break;
                Tuile(page, c, m, d, r, col);
            }
    }
    page.surface.TermineImpression();
    page.ModeImpression = false;
}

std::optional<std::string> ImprimeMasqueDuDocument(ContextePage& page) {
    const ResultatMasque masque = CalculeMasque(page.doc, page.systeme);
    if (!masque.Masque)
        return Remplace(
            page.systeme.Traduit("Pages", "Le masque de Couder ne peut pas être dessiné : %1"),
            {masque.Motif});
    ImprimeMasque(page, *masque.Masque);
    return std::nullopt;
}

} // namespace tarvo
