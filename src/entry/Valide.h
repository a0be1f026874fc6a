#pragma once

#include "entry/ContexteSaisie.h"

#include <string>
#include <string_view>

namespace tarvo {

// The text with every blank (U+0020) removed.
std::string SansBlancs(std::string_view texte);

// The text without its leading and trailing blanks (U+0020).
std::string SansBlancsAutour(std::string_view texte);

// 0: not a number (an empty text too), 1: an integer (digits and blanks), 2: a number with
// one decimal separator ("," or "."), after one leading "-".
int NatureNombre(std::string_view texte);

// Takes the editor's text as the value of the current field: checks it, stores it with its
// consequences or rejects it with its message, then updates the actions and redraws the
// page. The single place where typed values enter the document.
void Valide(ContexteSaisie& c);

} // namespace tarvo
