#include "pages/IdentifiantsPages.h"

#include <array>
#include <utility>

namespace tarvo {

std::optional<std::string> IdentifiantPage(std::string_view nom) {
    static constexpr std::array<std::string_view, 6> identifiants{
        "Caractéristiques", "Feuille", "Mesures", "NouvellesMesures", "EditionMesures", "Bulletin"};
    for (const std::string_view identifiant : identifiants)
        if (nom == identifiant) return std::string(identifiant);
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> simples{{
        {"caracteristiques", "Caractéristiques"},
        {"feuille", "Feuille"},
        {"mesures", "Mesures"},
        {"nouvellesmesures", "NouvellesMesures"},
        {"editionmesures", "EditionMesures"},
        {"bulletin", "Bulletin"},
    }};
    for (const auto& [simple, identifiant] : simples)
        if (nom == simple) return std::string(identifiant);
    return std::nullopt;
}

} // namespace tarvo
