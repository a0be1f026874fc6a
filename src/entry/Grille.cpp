#include "entry/Grille.h"

#include <algorithm>

namespace tarvo {

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
