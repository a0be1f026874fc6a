#include "entry/Valide.h"

namespace tarvo {

std::string SansBlancs(std::string_view texte) {
    std::string resultat;
    for (const char ch : texte)
        if (ch != ' ') resultat += ch;
    return resultat;
}

int NatureNombre(std::string_view) {
    return 0;
}

void Valide(ContexteSaisie& c) {
    c.programme.MetAJourActions();
    c.programme.AffichePage();
}

} // namespace tarvo
