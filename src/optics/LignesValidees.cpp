#include "optics/LignesValidees.h"

namespace tarvo {

namespace {

constexpr double SeuilLigne = 0.0001;

} // namespace

LignesValidees LignesDe(const Document& doc) {
    LignesValidees lignes;
    const int n = ZonesUtilisees(doc);
    for (int k = 1; k <= 2; ++k)
        lignes.Diametres[static_cast<std::size_t>(k)].reserve(LignesMesure);
    for (int k = 1; k <= 2; ++k)
        for (int j = 1; j <= LignesMesure; ++j) {
            if (!(doc.Lectures[0][j][k] > SeuilLigne)) continue;
            LignesValidees::Ligne ligne{};
            for (int i = 1; i <= n; ++i) ligne[static_cast<std::size_t>(i)] = doc.Lectures[i][j][k];
            lignes.Diametres[static_cast<std::size_t>(k)].push_back(ligne);
        }
    return lignes;
}

} // namespace tarvo
