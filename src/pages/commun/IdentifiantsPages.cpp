#include "pages/commun/IdentifiantsPages.h"

#include <array>
#include <utility>

namespace tarvo {

std::optional<std::string> IdentifiantPage(std::string_view nom) {
    static constexpr std::array<std::string_view, 10> identifiants{
        PageCaracteristiques, PageFeuille, PageMesures,    PageNouvellesMesures, PageEditionMesures,
        PageBulletin,         PageAnalyse, PageHistorique, PageOmbres,           PageMasque};
    for (const std::string_view identifiant : identifiants)
        if (nom == identifiant) return std::string(identifiant);
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 10> simples{{
        {"caracteristiques", PageCaracteristiques},
        {"feuille", PageFeuille},
        {"mesures", PageMesures},
        {"nouvellesmesures", PageNouvellesMesures},
        {"editionmesures", PageEditionMesures},
        {"bulletin", PageBulletin},
        {"analyse", PageAnalyse},
        {"historique", PageHistorique},
        {"ombres", PageOmbres},
        {"masque", PageMasque},
    }};
    for (const auto& [simple, identifiant] : simples)
        if (nom == simple) return std::string(identifiant);
    return std::nullopt;
}

} // namespace tarvo
