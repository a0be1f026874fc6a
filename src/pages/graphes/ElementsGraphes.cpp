#include "pages/graphes/ElementsGraphes.h"

#include "pages/commun/MasqueNombre.h"
#include "pages/graphes/EchellesGraphes.h"

#include <cmath>
#include <string>

namespace tarvo {

namespace {

constexpr double PixelsMax = 1000000;

int Borne(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(v < -PixelsMax ? -PixelsMax : v > PixelsMax ? PixelsMax : v);
}

} // namespace

int EnPixel(double v) {
    return Borne(Arrondi(v));
}

int Tronque(double v) {
    return Borne(std::trunc(v));
}

bool ReductionDessinable(const ResultatReduction& r) {
    return r.Calculee() && r.NombreZones >= 2 && r.NombreZones <= ZonesMax;
}

void PrepareImage(Canvas& c, int largeur, int hauteur) {
    c.FixeBrosse(Brosse{Blanc, StyleBrosse::Plein});
    c.RemplitRectangle(0, 0, largeur, hauteur);
    c.FixeBrosse(Brosse{Blanc, StyleBrosse::Vide});
    c.FixePlume(Plume{Noir, StylePlume::Plein, 1});
    c.FixePolice(Police{std::string(PoliceArial), -11, false});
}

ReglagesPapier::ReglagesPapier(Canvas& c, const MiseEnPage& m)
    : c_(c), plume_(c.PlumeCourante()), brosse_(c.BrosseCourante()), police_(c.PoliceCourante()) {
    c.FixePlume(Plume{Noir, StylePlume::Plein, m.UnitePoint});
    c.FixeBrosse(Brosse{Blanc, StyleBrosse::Vide});
    c.FixePolice(Police{std::string(PoliceArial), 0, false});
    c.FixeTaillePolice(10);
}

ReglagesPapier::~ReglagesPapier() {
    c_.FixePlume(plume_);
    c_.FixeBrosse(brosse_);
    c_.FixePolice(police_);
}

MesuresPapier MesurePapier(Canvas& c, const MiseEnPage& m) {
    MesuresPapier p;
    p.Texte = c.HauteurTexte("0");
    p.Zero = c.LargeurTexte("0");
    p.DemiFleche = m.PointsParPouce / 50;
    p.Fleche = m.PointsParPouce / 12;
    p.Retrait = p.Texte / 2;
    c.FixeNomPolice(PoliceSymbol);
    p.LeveGrec = c.HauteurTexte("l") / 8;
    c.FixeNomPolice(PoliceArial);
    return p;
}

void Segment(Canvas& c, int x1, int y1, int x2, int y2) {
    c.DeplaceVers(x1, y1);
    c.TraceVers(x2, y2);
}

void Pourtour(Canvas& c, int gauche, int haut, int droite, int bas) {
    c.DeplaceVers(gauche, haut);
    c.TraceVers(droite, haut);
    c.TraceVers(droite, bas);
    c.TraceVers(gauche, bas);
    c.TraceVers(gauche, haut);
}

void BandeTrou(Canvas& c, int gauche, int haut, int droite, int bas) {
    const Brosse avant = c.BrosseCourante();
    c.FixeBrosse(Brosse{Argent, StyleBrosse::Plein});
    c.RemplitRectangle(gauche, haut, droite, bas);
    c.FixeBrosse(avant);
}

void Disque(Canvas& c, int x, int y, int rayon) {
    const Brosse avant = c.BrosseCourante();
    c.FixeBrosse(Brosse{Noir, StyleBrosse::Plein});
    c.Ellipse(x - rayon, y - rayon, x + rayon, y + rayon);
    c.FixeBrosse(avant);
}

void EcritAGauche(Canvas& c, int fin, int y, std::string_view texte) {
    c.EcritTexte(fin - c.LargeurTexte(texte), y, texte);
}

int LargeurGrec(Canvas& c, std::string_view lettres) {
    const std::string avant = c.PoliceCourante().Nom;
    c.FixeNomPolice(PoliceSymbol);
    const int largeur = c.LargeurTexte(lettres);
    c.FixeNomPolice(avant);
    return largeur;
}

void GraduationsHorizontales(Canvas& c, const Repere& r, double diametre, bool dessous, int trait,
                             int ecart, std::string_view mesure) {
    const int pas = PasHorizontal(diametre);
    if (pas <= 0) return;
    const int haut = c.HauteurTexte(mesure);
    for (int h = pas; h < diametre / 2; h += pas) {
        const int x = r.X(h);
        c.DeplaceVers(x, dessous ? r.Y0 + trait : r.Y0 - trait);
        c.TraceVers(x, r.Y0);
        const std::string texte = std::to_string(h);
        c.EcritTexte(x - c.LargeurTexte(texte) / 2, dessous ? r.Y0 + ecart : r.Y0 - ecart - haut,
                     texte);
    }
}

void FlecheVerticaleEcran(Canvas& c, int x0) {
    c.DeplaceVers(x0, 7);
    c.TraceVers(x0 + 2, 13);
    c.TraceVers(x0 - 2, 13);
    c.TraceVers(x0, 7);
}

void FlecheHorizontaleEcran(Canvas& c, int largeur, int y0) {
    c.DeplaceVers(largeur - 7, y0);
    c.TraceVers(largeur - 13, y0 + 2);
    c.TraceVers(largeur - 13, y0 - 2);
    c.TraceVers(largeur - 7, y0);
}

void AxesPapier(Canvas& c, const MiseEnPage& m, const MesuresPapier& p, int gauche, int haut,
                int droite, int bas, const Repere& r) {
    const int largeur = c.PlumeCourante().Largeur;
    c.FixeLargeurPlume(m.DemiPoint);
    const int a = p.DemiFleche, b = p.Fleche;
    const int pointeX = droite - p.Retrait, pointeY = haut + p.Retrait;
    Segment(c, gauche + p.Retrait, r.Y0, pointeX, r.Y0);
    Segment(c, pointeX, r.Y0, pointeX - b, r.Y0 - a);
    Segment(c, pointeX, r.Y0, pointeX - b, r.Y0 + a);
    Segment(c, r.X0, bas - p.Retrait, r.X0, pointeY);
    Segment(c, r.X0, pointeY, r.X0 - a, pointeY + b);
    Segment(c, r.X0, pointeY, r.X0 + a, pointeY + b);
    c.FixeLargeurPlume(largeur);
}

} // namespace tarvo
