#include "document/Historique.h"

#include "document/Document.h"
#include "platform/Fenetre.h"

#include <cstddef>
#include <string_view>

namespace tarvo {

namespace {

std::string_view SansBlancs(std::string_view texte) {
    const auto debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos) return {};
    return texte.substr(debut, texte.find_last_not_of(' ') - debut + 1);
}

// A menu caption marks its accelerator with '&': those of a path are doubled so that the
// path shows as it is.
std::string Libelle(int n, const std::string& entree) {
    std::string libelle = "&" + std::to_string(n) + " ";
    for (const char c : entree) {
        if (c == '&') libelle += '&';
        libelle += c;
    }
    return libelle;
}

std::string& Entree(Historique& historique, int n) {
    return historique[static_cast<std::size_t>(n)];
}

const std::string& Entree(const Historique& historique, int n) {
    return historique[static_cast<std::size_t>(n)];
}

} // namespace

void MajHistorique(Historique& historique, const Document& doc, Fenetre& fenetre) {
    if (!doc.NomPropose.empty()) {
        historique[0] = doc.NomFichier;
        fenetre.ActiveEnregistrer(true);
        // A document never saved has no name; putting it first would empty entry 1, hide
        // the whole menu and drop entry 4.
        const std::string_view nom = SansBlancs(doc.NomFichier);
        if (!nom.empty()) {
            for (int i = 1; i <= EntreesHistorique; ++i)
                if (SansBlancs(Entree(historique, i)) == nom) Entree(historique, i).clear();
            // A single pass: two empty entries in a row leave a hole, which the menu
            // then stops at.
            for (int i = 1; i < EntreesHistorique; ++i)
                if (Entree(historique, i).empty())
                    for (int j = i; j < EntreesHistorique; ++j)
                        Entree(historique, j) = Entree(historique, j + 1);
            for (int d = EntreesHistorique; d >= 1; --d)
                Entree(historique, d) = Entree(historique, d - 1);
        }
    }
    AfficheMenuHistorique(historique, fenetre);
}

void RetireHistorique(Historique& historique, int n, Fenetre& fenetre) {
    if (n < 1 || n > EntreesHistorique) return;
    for (int j = n; j < EntreesHistorique; ++j)
        Entree(historique, j) = Entree(historique, j + 1);
    Entree(historique, EntreesHistorique).clear();
    AfficheMenuHistorique(historique, fenetre);
}

void AfficheMenuHistorique(const Historique& historique, Fenetre& fenetre) {
    for (int n = 1; n <= EntreesHistorique; ++n) fenetre.AfficheHistorique(n, false, "");
    if (Entree(historique, 1).empty()) {
        fenetre.AfficheSeparateurHistorique(false);
        return;
    }
    fenetre.AfficheSeparateurHistorique(true);
    for (int n = 1; n <= EntreesHistorique; ++n) {
        if (Entree(historique, n).empty()) break;
        fenetre.AfficheHistorique(n, true, Libelle(n, Entree(historique, n)));
    }
}

} // namespace tarvo
