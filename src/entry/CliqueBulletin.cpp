#include "entry/CliqueBulletin.h"

namespace tarvo {

EffetClicBulletin CliqueBulletin(Document& doc, EtatPages& etat, const CadresPage& cadres, int x,
                                 int y) {
    const auto& c = cadres.Cadres;
    const bool derniereSerie = doc.SerieCourante == doc.NombreSeries;
    if (c[2].Haut < y && y < c[2].Bas) {
        if (c[2].Gauche < x && x < c[2].Droite && derniereSerie)
            return EffetClicBulletin::DiametreSerie;
        if (c[3].Gauche < x && x < c[3].Droite && derniereSerie)
            return EffetClicBulletin::RayonCourbure;
        if (DansCadre(c[1], x, y)) {
            doc.DetailMiroir = !doc.DetailMiroir;
            return EffetClicBulletin::Redessine;
        }
    }
    if (doc.TrouCentralSerie > 0.0001 && DansCadre(c[7], x, y) && derniereSerie)
        return EffetClicBulletin::TrouSerie;
    if (DansCadre(c[4], x, y)) {
        doc.DetailZones = !doc.DetailZones;
        return EffetClicBulletin::Redessine;
    }
    if (DansCadre(c[5], x, y) && doc.DetailZones && doc.DiametresValides == 3) {
        if (etat.DiametresRetenus == 3) {
            doc.RetenirD1 = false;
        } else {
            etat.DiametresRetenus = 3;
            doc.RetenirD1 = doc.RetenirD2 = true;
        }
        return EffetClicBulletin::Redessine;
    }
    if (DansCadre(c[6], x, y) && doc.DetailZones && etat.DiametresRetenus == 3) {
        doc.RetenirD2 = false;
        return EffetClicBulletin::Redessine;
    }
    return EffetClicBulletin::Aucun;
}

} // namespace tarvo
