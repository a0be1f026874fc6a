#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// The page named on the command line: one of the identifiers held in `PageCourante`
// ("Caractéristiques", "Feuille", "Mesures", "NouvellesMesures", "EditionMesures",
// "Bulletin"), or the plain lower-case form of one ("caracteristiques", "feuille",
// "mesures", "bulletin"). The identifier, or nothing for another name.
std::optional<std::string> IdentifiantPage(std::string_view nom);

} // namespace tarvo
