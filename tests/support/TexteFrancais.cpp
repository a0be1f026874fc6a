#include "support/TexteFrancais.h"

#include <cctype>
#include <set>
#include <string_view>

namespace tarvo::test {

bool Francais(const std::string& texte) {
    static const std::set<std::string> permis{"Maréchal", "Maréchal–Mahajan"};
    for (const std::string_view signe : {"é", "è", "ê", "à", "â", "ç", "ô", "û", "ù", "î", "ï",
                                         "ë", "«", "»", "É", "È", "À", "Ç"})
        if (texte.find(signe) != std::string::npos) {
            bool excuse = false;
            for (const std::string& p : permis)
                excuse = excuse || texte.find(p) != std::string::npos;
            if (!excuse) return true;
        }
    static const std::set<std::string> mots{
        "de",  "la",   "le",   "les",  "des",   "du",   "et",    "une",    "aux",   "sur",
        "pour", "avec", "sans", "ou",  "est",   "pas",  "ne",    "dans",   "Série", "série",
        "séries", "Mesures", "mesures", "miroir", "Miroir", "Fichier", "Enregistrer",
        "Imprimer", "Aide", "Ecart", "Moyenne", "moyenne", "lectures", "Lecture", "Zone",
        "Diamètre", "Focale", "Rayon", "Epaisseur", "Annuler", "Oui", "Non", "Nouveau",
        "Ouvrir", "Quitter", "Couper", "Copier", "Coller", "Affichage", "Edition", "Feuille",
        "travail", "Bulletin", "contrôle", "Analyse", "Historique", "Ombres", "Masque",
        "Couteau", "Réseau", "traits", "pouce", "Parabolique", "Sphérique", "Trou"};
    std::string mot;
    for (const char c : texte + " ") {
        if (std::isalpha(static_cast<unsigned char>(c)) || (c & 0x80) != 0) {
            mot += c;
            continue;
        }
        if (mots.count(mot) != 0) return true;
        mot.clear();
    }
    return false;
}

} // namespace tarvo::test
