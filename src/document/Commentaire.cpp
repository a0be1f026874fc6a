#include "document/Commentaire.h"

#include "document/Signature.h"

#include <string_view>

namespace tarvo {

std::vector<std::string> LignesCommentaire(std::string commentaire) {
    if (commentaire == "\r") commentaire.clear();
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut <= commentaire.size()) {
        std::size_t fin = commentaire.find('\n', debut);
        if (fin == std::string::npos) fin = commentaire.size();
        std::string ligne = commentaire.substr(debut, fin - debut);
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        lignes.push_back(std::move(ligne));
        debut = fin + 1;
    }
    while (lignes.size() > 1 && lignes.back().empty()) lignes.pop_back();
    while (lignes.size() > 1 && lignes.front().empty()) lignes.erase(lignes.begin());
    for (std::size_t i = 0; i + 1 < lignes.size(); ++i)
        if (!lignes[i].empty() && lignes[i].back() == '"') lignes[i] += ' ';
    return lignes;
}

std::string CommentaireRelu(const std::string& commentaire) {
    const std::vector<std::string> lignes = LignesCommentaire(commentaire);
    std::string texte = lignes.front();
    for (std::size_t i = 1; i < lignes.size(); ++i) texte += "\r\n" + lignes[i];
    return texte;
}

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
