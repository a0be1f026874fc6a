#pragma once

#include "platform/Systeme.h"
#include "platform/Traduction.h"

#include <string>
#include <string_view>

namespace tarvo {

// A text of the pages and of the optics (the catalogue's context "Pages"; the text is marked
// where it is written) in the user's language; French, the program's own, where there is no
// system (the pieces that are drawn or computed alone).
inline std::string TexteEnLangue(Systeme* systeme, std::string_view texte) {
    return systeme != nullptr ? systeme->Traduit("Pages", texte) : std::string(texte);
}

} // namespace tarvo
