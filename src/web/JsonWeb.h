#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// A text as a JSON string, quotes included: what the page's script parses.
std::string ChaineJson(std::string_view texte);

} // namespace tarvo
