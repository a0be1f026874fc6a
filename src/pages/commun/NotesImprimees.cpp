#include "pages/commun/NotesImprimees.h"

namespace tarvo {
namespace {

constexpr int LignesMax = 4;

bool FinDeLigne(char c) {
    return c == '\r' || c == '\n';
}

// Bytes of the UTF-8 character that starts at `p`: its continuation bytes go with it, so
// that a line is never measured on half a character.
std::size_t LongueurCaractere(std::string_view texte, std::size_t p) {
    std::size_t n = 1;
    while (p + n < texte.size() && (static_cast<unsigned char>(texte[p + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

} // namespace

std::vector<std::string> CoupeNotes(std::string_view texte, int largeurMax,
                                    const std::function<int(std::string_view)>& largeur) {
    std::vector<std::string> lignes;
    std::size_t p = 0;
    for (int n = 0; n < LignesMax && p < texte.size(); ++n) {
        const std::size_t debut = p;
        while (p < texte.size()) {
            if (FinDeLigne(texte[p])) {
                lignes.emplace_back(texte.substr(debut, p - debut));
                // A CR LF pair ends one line, and so does a LF after a CR or a LF.
                ++p;
                if (p < texte.size() && texte[p] == '\n') ++p;
                break;
            }
            p += LongueurCaractere(texte, p);
            if (largeur(texte.substr(debut, p - debut)) <= largeurMax) {
                if (p == texte.size()) lignes.emplace_back(texte.substr(debut));
                continue;
            }
            // Too wide: back to just after the last space of the line, one that leaves at
            // least one character before it; without one the line stays whole.
            std::size_t coupe = p;
            do {
                --coupe;
            } while (coupe > debut + 1 && texte[coupe - 1] != ' ');
            if (coupe > debut + 1) p = coupe;
            lignes.emplace_back(texte.substr(debut, p - debut));
            break;
        }
    }
    while (!lignes.empty() && lignes.back().empty())
        lignes.pop_back();
    return lignes;
}

} // namespace tarvo
