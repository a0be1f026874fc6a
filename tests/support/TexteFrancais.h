#pragma once

#include <string>

namespace tarvo::test {

// What gives a French text away: its accents and guillemets, or one of its small words.
bool Francais(const std::string& texte);

} // namespace tarvo::test
