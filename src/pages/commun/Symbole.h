#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// The text a "Symbol" face shows for the given characters, as UTF-8: Latin letters become
// the Greek letters they stand for in that face ("m" µ, "l" λ, "r" ρ, "e" ε, "L" Λ ...);
// other characters stay as they are. For targets that have no such face.
std::string TexteSymbole(std::string_view texte);

} // namespace tarvo
