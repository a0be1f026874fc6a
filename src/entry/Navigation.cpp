#include "entry/Navigation.h"

#include "entry/Grille.h"
#include "entry/Placement.h"
#include "entry/Valide.h"

#include <algorithm>
#include <cstdint>

namespace tarvo {

namespace {

void ChangeDiametre(EtatSaisie& s) {
    s.DiametreCourant = s.DiametreCourant == 1 ? 2 : 1;
}

// One step of an order between the fields of the characteristics page: the kind that
// follows `De`. The zone radii and the grid have their own rules.
struct Pas {
    std::uint32_t De;
    std::uint32_t Vers;
};

using namespace Champ;

constexpr Pas Suivants[] = {{Intitule, Diametre},         {Diametre, Focale},
                            {Focale, RayonCourbure},      {RayonCourbure, Epaisseur},
                            {Epaisseur, CoefDeformation}, {CoefDeformation, TrouCentral},
                            {TrouCentral, NombreZones}};
constexpr Pas Precedents[] = {{Diametre, Intitule},         {Focale, Diametre},
                              {RayonCourbure, Focale},      {Epaisseur, RayonCourbure},
                              {CoefDeformation, Epaisseur}, {TrouCentral, CoefDeformation},
                              {NombreZones, TrouCentral}};
constexpr Pas Dessus[] = {{Diametre, Intitule},         {Focale, Intitule},
                          {RayonCourbure, Focale},      {Epaisseur, Diametre},
                          {CoefDeformation, Epaisseur}, {TrouCentral, CoefDeformation},
                          {NombreZones, TrouCentral},   {RayonZone, NombreZones}};
constexpr Pas Dessous[] = {{Intitule, Diametre},         {Diametre, Epaisseur},
                           {Focale, RayonCourbure},      {RayonCourbure, CoefDeformation},
                           {Epaisseur, CoefDeformation}, {CoefDeformation, TrouCentral},
                           {TrouCentral, NombreZones},   {RayonZone, Intitule}};

// Places the kind that follows the current one in the order; false when the order has no
// step from it.
template <std::size_t N> bool Avance(ContexteSaisie& c, const Pas (&ordre)[N]) {
    const auto pas = std::find_if(std::begin(ordre), std::end(ordre),
                                  [&c](const Pas& p) { return p.De == c.saisie.ChampCourant; });
    if (pas == std::end(ordre)) return false;
    PlaceEditeur(c, pas->Vers);
    return true;
}

// The radius editor of a zone, or the field `repli` when that zone does not take it (the
// last zone, or a table of fewer than two zones).
void PlaceRayonOu(ContexteSaisie& c, int zone, std::uint32_t repli) {
    if (ZoneEditable(c.doc, zone))
        PlaceEditeur(c, RayonZone, zone);
    else
        PlaceEditeur(c, repli);
}

int ColonnesGrille(const Document& doc) {
    return std::max(1, ZonesUtilisees(doc));
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

void ChampSuivant(ContexteSaisie& c) {
    EtatSaisie& s = c.saisie;
    switch (s.ChampCourant) {
    case Champ::Lecture:
        Valide(c);
        RameneCellule(s, c.doc);
        CelluleSuivante(s, ColonnesGrille(c.doc));
        c.programme.AffichePage();
        return;
    case NombreZones:
    case RayonZone: {
        const int zone = s.ChampCourant == NombreZones ? 1 : s.ZoneCourante + 1;
        if (ZoneEditable(c.doc, zone)) {
            PlaceEditeur(c, RayonZone, zone);
        } else {
            s.ZoneCourante = 1;
            PlaceEditeur(c, Intitule);
        }
        return;
    }
    default:
        Avance(c, Suivants);
    }
}

void ChampPrecedent(ContexteSaisie& c) {
    EtatSaisie& s = c.saisie;
    switch (s.ChampCourant) {
    case Champ::Lecture:
        Valide(c);
        RameneCellule(s, c.doc);
        CellulePrecedente(s, ColonnesGrille(c.doc));
        c.programme.AffichePage();
        return;
    case Intitule:
        PlaceRayonOu(c, c.doc.NombreZones - 1, NombreZones);
        return;
    case RayonZone:
        PlaceRayonOu(c, s.ZoneCourante - 1, NombreZones);
        return;
    default:
        Avance(c, Precedents);
    }
}

void ChampDessus(ContexteSaisie& c) {
    EtatSaisie& s = c.saisie;
    if (s.ChampCourant == Champ::Lecture) {
        if (s.LigneCourante <= 1) {
            ChangeDiametre(s);
            s.LigneCourante = LignesMesure;
        } else {
            --s.LigneCourante;
        }
    } else if (s.ChampCourant == Intitule) {
        PlaceRayonOu(c, 1, NombreZones);
    } else {
        Avance(c, Dessus);
    }
}

void ChampDessous(ContexteSaisie& c) {
    EtatSaisie& s = c.saisie;
    if (s.ChampCourant == Champ::Lecture) {
        if (s.LigneCourante >= LignesMesure) {
            ChangeDiametre(s);
            s.LigneCourante = 1;
        } else {
            ++s.LigneCourante;
        }
    } else if (s.ChampCourant == NombreZones) {
        PlaceRayonOu(c, 1, Intitule);
    } else {
        Avance(c, Dessous);
    }
}

} // namespace tarvo
