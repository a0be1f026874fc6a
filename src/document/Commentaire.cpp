#include "document/Commentaire.h"

#include "document/Signature.h"

#include <string_view>

namespace tarvo {

std::string LitCommentaire(const LignesDeCommentaire& source) {
    std::string texte;
    bool encore = true;
    bool ouvert = false;
    int autres = 0;
    while (encore) {
        const bool lisible = source.Lisible();
        source.LireLigne();
        const std::string_view l = *source.Ligne;
        const bool estTexte = !l.empty() && l != "\"\"" && l != Separateur;
        if (estTexte || (l.empty() && ouvert && lisible)) {
            encore = (l.empty() || l.back() != '"') && source.Lisible();
            ouvert = encore;
            std::string_view morceau = l;
            if (!morceau.empty() && morceau.front() == '"') {
                morceau.remove_prefix(1);
                if (!morceau.empty() && morceau.back() == '"') morceau.remove_suffix(1);
                texte += morceau;
            } else {
                if (!morceau.empty() && morceau.back() == '"') morceau.remove_suffix(1);
                texte += "\r\n";
                texte += morceau;
            }
        } else {
            ++autres;
            if (l == Separateur || autres > 10) encore = false;
        }
    }
    // A comment ends on its closing quote: the separator follows.
    if (*source.Ligne != Separateur) source.LireLigne();
    return texte;
}

} // namespace tarvo
