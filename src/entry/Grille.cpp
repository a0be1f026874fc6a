#include "entry/Grille.h"

#include <algorithm>

namespace tarvo {

void RameneCellule(EtatSaisie& s, const Document& doc) {
    const auto zones = static_cast<std::int8_t>(std::max(1, ZonesUtilisees(doc)));
    s.LigneCourante = std::clamp<std::int8_t>(s.LigneCourante, 1, LignesMesure);
    s.ColonneCourante = std::clamp<std::int8_t>(s.ColonneCourante, 1, zones);
    s.DiametreCourant = std::clamp<std::int8_t>(s.DiametreCourant, 1, 2);
}

bool ZoneEditable(const Document& doc, int zone) {
    return zone >= 1 && zone < doc.NombreZones && doc.NombreZones <= ZonesMax;
}

bool LigneComplete(const Document& doc, int ligne, int diametre) {
    if (ligne < 1 || ligne > LignesMesure || diametre < 1 || diametre > 2) return false;
    for (int i = 1; i <= ZonesUtilisees(doc); ++i)
        if (doc.Lectures[i][ligne][diametre] <= 0.0001) return false;
    return true;
}

DrapeauxValidation Drapeaux(const Document& doc) {
    DrapeauxValidation d{};
    for (std::size_t j = 1; j <= LignesMesure; ++j)
        d[j] = doc.Lectures[0][j];
    return d;
}

void SuitDrapeaux(Document& doc, const DrapeauxValidation& avant) {
    if (Drapeaux(doc) != avant && doc.SerieCourante >= doc.NombreSeries) doc.Modifie = true;
}

} // namespace tarvo
