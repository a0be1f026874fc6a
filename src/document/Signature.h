#pragma once

#include <string_view>

namespace tarvo {

// Layouts of the document file, told apart by the first 7 characters of the first line.
enum class VersionFichier { Aucune, Version2, Version1, Predecesseur, Inconnue };

// The signature written by this program.
inline constexpr std::string_view SignatureActuelle = "tarvo 2.5.3";
// The line that separates the series of a version-2 file.
inline constexpr std::string_view Separateur = "\"-\"";

// Version of a first line (already unquoted); Aucune for a line of 7 characters or fewer,
// which is not compared at all.
VersionFichier VersionDeSignature(std::string_view ligne);

// Version 2 files after 2.0 carry the central-hole lines: characters 7 to 9 compared as
// text with "2.0".
bool AvecTrouCentral(std::string_view ligne);

} // namespace tarvo
