#include "app/Aide.h"

namespace tarvo {

std::string_view PageAide(int contexte) {
    switch (contexte) {
    case 1000:
        return "fichiers.html";
    case 2000:
        return "edition.html";
    case 3100:
        return "caracteristiques.html";
    case 3200:
        return "feuille.html";
    case 3300:
        return "mesures.html";
    case 3400:
        return "bulletin.html";
    default:
        return SommaireAide;
    }
}

} // namespace tarvo
