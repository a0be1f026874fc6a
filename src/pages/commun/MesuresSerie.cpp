#include "pages/commun/MesuresSerie.h"

#include "platform/Traduction.h"

#include <algorithm>

namespace tarvo {
namespace {

constexpr int LargeurPageNormale = 545;
// The tick and label columns with the left margin, beside the zone columns.
constexpr int LargeurHorsColonnes = 106;

} // namespace

std::string LibelleDiametre(Systeme& systeme, int diametre) {
    return Remplace(systeme.Traduit("Pages", "Diamètre %1"), {std::to_string(diametre)});
}

std::string LibelleLigne(Systeme& systeme, int ligne) {
    return Remplace(systeme.Traduit("Pages", "Mesure %1"), {std::to_string(ligne)});
}

std::string LibelleMoyenne(Systeme& systeme, int diametre) {
    return Remplace(systeme.Traduit("Pages", "D%1 moyen"), {std::to_string(diametre)});
}

int LargeurPageMesures(const Document& doc, const MiseEnPage& m) {
    if (!m.PetitesPolices) return m.LargeurPageMini;
    return std::max(LargeurPageNormale,
                    ZonesUtilisees(doc) * m.LargeurColonneMesure + LargeurHorsColonnes);
}

} // namespace tarvo
