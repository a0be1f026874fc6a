#pragma once

#include <string_view>

namespace tarvo {

// Identifiers of the pages the data entry tells apart (`PageCourante`).
namespace IdPage {
inline constexpr std::string_view Caracteristiques = "Caractéristiques";
inline constexpr std::string_view Feuille = "Feuille";
inline constexpr std::string_view Mesures = "Mesures";
inline constexpr std::string_view NouvellesMesures = "NouvellesMesures";
inline constexpr std::string_view EditionMesures = "EditionMesures";
inline constexpr std::string_view Bulletin = "Bulletin";
} // namespace IdPage

// The pages on which the grid takes readings.
constexpr bool PageDeSaisieMesures(std::string_view page) {
    return page == IdPage::NouvellesMesures || page == IdPage::EditionMesures;
}

} // namespace tarvo
