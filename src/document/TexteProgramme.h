#pragma once

#include "platform/Systeme.h"
#include "platform/Traduction.h"

#include <string>
#include <string_view>

namespace tarvo {

// A message of the program in the user's language, from the catalogue's context of the
// program's messages. Without a system (the silent reads, the callers that only check what
// happened) it stays in French, the program's own.
inline std::string TexteProgramme(Systeme* systeme, std::string_view texte) {
    return systeme != nullptr ? systeme->Traduit("Programme", texte) : std::string(texte);
}

} // namespace tarvo
