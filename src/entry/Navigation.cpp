#include "entry/Navigation.h"

#include <algorithm>

namespace tarvo {

namespace {

void ChangeDiametre(EtatSaisie& s) {
    s.DiametreCourant = s.DiametreCourant == 1 ? 2 : 1;
}

} // namespace

void CelluleSuivante(EtatSaisie& s, int nombreZones) {
    if (s.ColonneCourante < nombreZones) {
        ++s.ColonneCourante;
        return;
    }
    s.ColonneCourante = 1;
    if (s.LigneCourante > 9) {
        ChangeDiametre(s);
        s.LigneCourante = 1;
    } else {
        ++s.LigneCourante;
    }
}

void CellulePrecedente(EtatSaisie& s, int nombreZones) {
    if (s.ColonneCourante >= 2) {
        --s.ColonneCourante;
        return;
    }
    s.ColonneCourante = static_cast<std::int8_t>(std::max(nombreZones, 1));
    if (s.LigneCourante < 2) {
        ChangeDiametre(s);
        s.LigneCourante = 10;
    } else {
        --s.LigneCourante;
    }
}

void ChampSuivant(ContexteSaisie&) {}
void ChampPrecedent(ContexteSaisie&) {}
void ChampDessus(ContexteSaisie&) {}
void ChampDessous(ContexteSaisie&) {}

} // namespace tarvo
