#pragma once

#include <string>

namespace tarvo {
struct Document;
}

namespace tarvo::test {

// Reads the file `memoire.NomFichier` into a fresh document and compares it with what the
// program held when it saved it: the characteristics, the number of series and, when the
// series in memory is the last one, its readings and flags, its values and its comment.
// Returns the first difference found, or an empty text when the file reads back as saved.
std::string EcartRelecture(const Document& memoire);

} // namespace tarvo::test
