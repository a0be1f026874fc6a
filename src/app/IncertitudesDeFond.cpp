#include "app/IncertitudesDeFond.h"

#include <memory>

namespace tarvo {

IncertitudesDeFond::Clef IncertitudesDeFond::ClefDe(const Document& doc,
                                                   const LignesValidees& lignes,
                                                   std::uint8_t retenus) {
    const int n = ZonesUtilisees(doc);
    Clef clef{static_cast<double>(doc.NombreZones), doc.DiametreSerie, doc.FocaleSerie,
              doc.TrouCentralSerie, doc.CoefDeformation, doc.RetenirD1 ? 1.0 : 0.0,
              doc.RetenirD2 ? 1.0 : 0.0, static_cast<double>(retenus)};
    for (int i = 0; i <= n; ++i) {
        clef.push_back(doc.Zones[i][RayonExterieur]);
        for (int k = 1; k <= 2; ++k) clef.push_back(doc.Lectures[i][LigneMoyennes][k]);
    }
    for (int k = 1; k <= 2; ++k) {
        clef.push_back(lignes.Nombre(k));
        for (const auto& ligne : lignes.Diametres[static_cast<std::size_t>(k)])
            clef.insert(clef.end(), ligne.begin(), ligne.begin() + n + 1);
    }
    return clef;
}

void IncertitudesDeFond::Garde(Clef clef, const IncertitudesAnalyse& resultat) {
    if (Prets.size() >= Gardes) Prets.erase(Prets.begin());
    Prets.emplace_back(std::move(clef), resultat);
}

std::optional<IncertitudesAnalyse> IncertitudesDeFond::Incertitudes(const Document& doc,
                                                                    const LignesValidees& lignes,
                                                                    std::uint8_t retenus) {
    Clef clef = ClefDe(doc, lignes, retenus);
    for (const auto& [gardee, resultat] : Prets)
        if (gardee == clef) return resultat;
    if (Calculs == nullptr) {
        const IncertitudesAnalyse resultat = Reechantillonne(doc, lignes, retenus);
        Garde(std::move(clef), resultat);
        return resultat;
    }
    if (ClefEnCours == clef) return std::nullopt;
    ClefEnCours = clef;
    auto resultat = std::make_shared<IncertitudesAnalyse>();
    Calculs->Lance(
        [copie = doc, lignes, retenus, resultat] {
            *resultat = Reechantillonne(copie, lignes, retenus);
        },
        [this, clef = std::move(clef), resultat] {
            // A result for a series no longer shown is kept all the same: it is exact.
            if (ClefEnCours == clef) ClefEnCours.reset();
            Garde(clef, *resultat);
            if (Pret) Pret();
        });
    return std::nullopt;
}

} // namespace tarvo
