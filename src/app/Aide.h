#pragma once

#include "platform/Fichiers.h"
#include "platform/Systeme.h"

#include <string>
#include <string_view>

namespace tarvo {

// The help is a set of HTML pages: the table of contents, and one topic per help context
// number. A build tree has them in the folder "help" beside the executable; an installed
// program in its data folder, which the install puts beside the executables' folder.
inline constexpr std::string_view DossierAide = "help/";
inline constexpr std::string_view DossierAideInstalle = "../share/tarvo/help/";
inline constexpr std::string_view SommaireAide = "index.html";
// The English pages, in a folder of the help folder, under the French pages' names.
inline constexpr std::string_view DossierAideAnglais = "en/";

// The help folder, ending with '/', of the executable in `repertoireExecutable` (which ends
// with '/'): the first of the two above that holds the table of contents; the one beside
// the executable when neither does.
std::string DossierAideTrouve(const std::string& repertoireExecutable, Fichiers& fichiers);

// Page of a help context (1000 files, 2000 editing, 3100 characteristics, 3200 work sheet,
// 3300 measurements, 3400 test report, 3500 analysis, 3600 history, 3700 test-stand aids); the
// table of contents for any other number.
std::string_view PageAide(int contexte);

// The file of the help page `page` in the interface's language: in English, its translation
// in the English folder when the help has it, else the French page, as always in French.
std::string FichierAide(Systeme& systeme, Fichiers& fichiers, std::string_view page);

} // namespace tarvo
