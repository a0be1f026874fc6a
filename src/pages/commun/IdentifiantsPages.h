#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// Identifiers of the pages, held in `PageCourante` and compared case-sensitively.
inline constexpr std::string_view PageCaracteristiques = "Caractéristiques";
inline constexpr std::string_view PageFeuille = "Feuille";
inline constexpr std::string_view PageMesures = "Mesures";
inline constexpr std::string_view PageNouvellesMesures = "NouvellesMesures";
inline constexpr std::string_view PageEditionMesures = "EditionMesures";
inline constexpr std::string_view PageBulletin = "Bulletin";
inline constexpr std::string_view PageAnalyse = "Analyse";
inline constexpr std::string_view PageHistorique = "Historique";
inline constexpr std::string_view PageOmbres = "Ombres";
// Paper only: the Couder mask is printed, never shown.
inline constexpr std::string_view PageMasque = "Masque";

// The pages on which the grid takes readings.
constexpr bool PageDeSaisieMesures(std::string_view page) {
    return page == PageNouvellesMesures || page == PageEditionMesures;
}

// The pages that show one series and browse the others with F4 and F5.
constexpr bool PageDeSerie(std::string_view page) {
    return page == PageBulletin || page == PageAnalyse || page == PageOmbres;
}

// The page named on the command line: one of the identifiers held in `PageCourante`
// ("Caractéristiques", "Feuille", "Mesures", "NouvellesMesures", "EditionMesures",
// "Bulletin", "Analyse", "Historique", "Ombres", "Masque"), or the plain lower-case form of
// one ("caracteristiques", "feuille", "mesures", "bulletin", "analyse", "historique",
// "ombres", "masque"). The identifier, or nothing for another name.
std::optional<std::string> IdentifiantPage(std::string_view nom);

} // namespace tarvo
