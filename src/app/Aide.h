#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// The help is a set of HTML pages in the folder "help" beside the executable: the table
// of contents, and one topic per help context number.
inline constexpr std::string_view DossierAide = "help/";
inline constexpr std::string_view SommaireAide = "index.html";

// Page of a help context (1000 files, 2000 editing, 3100 characteristics, 3200 work sheet,
// 3300 measurements, 3400 test report); the table of contents for any other number.
std::string_view PageAide(int contexte);

} // namespace tarvo
