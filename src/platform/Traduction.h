#pragma once

// What the translation of the interface needs in the Qt-free code: a mark for the texts kept
// in constants, so that the catalogue's extraction finds them, and the filling of the places
// left in a text for its numbers and names.

#include <initializer_list>
#include <string>
#include <string_view>

// A text of the interface in a constant: the text itself, marked for the catalogue under
// `contexte`; it is translated where it is shown (Systeme::Traduit with the same context).
#define TARVO_NOOP(contexte, texte) texte

namespace tarvo {

// `modele` with %1, %2 ... %9 replaced by the values in order (a translation may put them in
// another order); a % that is not followed by one of those digits stays as it is.
inline std::string Remplace(std::string_view modele, std::initializer_list<std::string_view> valeurs) {
    std::string resultat;
    resultat.reserve(modele.size() + 16);
    for (std::size_t i = 0; i < modele.size(); ++i) {
        if (modele[i] == '%' && i + 1 < modele.size() && modele[i + 1] >= '1' &&
            modele[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(modele[i + 1] - '1');
            if (n < valeurs.size()) {
                resultat += *(valeurs.begin() + n);
                ++i;
                continue;
            }
        }
        resultat += modele[i];
    }
    return resultat;
}

} // namespace tarvo
