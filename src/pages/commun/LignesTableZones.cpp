#include "pages/commun/LignesTableZones.h"

namespace tarvo {
namespace {

void TraitVertical(Canvas& c, int x, int haut, int bas, int epaisseur) {
    const int gauche = x - epaisseur / 2;
    c.RemplitRectangle(gauche, haut, gauche + epaisseur, bas);
}

} // namespace

void TraceLignesTableZones(Canvas& c, const TraitsTableZones& t) {
    const Brosse avant = c.BrosseCourante();
    c.FixeBrosse(Brosse{Noir, StyleBrosse::Plein});
    const int bas = t.Haut + t.Lignes * t.HauteurLigne;
    const int droite = t.GaucheColonnes + t.Colonnes * t.LargeurColonne;
    const int sousPremiere = t.Haut + t.HauteurLigne - t.TraitFort / 2;
    c.RemplitRectangle(t.DebutTrait, sousPremiere, droite, sousPremiere + t.TraitFort);
    for (int e = 0; e < t.Colonnes; ++e)
        TraitVertical(c, t.GaucheColonnes + (e + 1) * t.LargeurColonne, t.Haut, bas,
                      e == 0 ? t.TraitFort : t.TraitFin);
    c.FixeBrosse(avant);
}

} // namespace tarvo
