#include "pages/commun/Canvas.h"

#include <cstdint>

namespace tarvo {

int HauteurDeTaille(int points, int pixelsParPouce) {
    const std::int64_t produit = std::int64_t{points} * pixelsParPouce;
    const std::int64_t arrondi = produit >= 0 ? (produit + 36) / 72 : (produit - 36) / 72;
    return -static_cast<int>(arrondi);
}

void Canvas::FixeTaillePolice(int points) {
    police_.Hauteur = HauteurDeTaille(points, PixelsParPouce());
}

void Canvas::EcritTexte(int x, int y, std::string_view texte) {
    DessineTexte(x, y, texte);
    position_ = {x + LargeurTexte(texte), y};
}

void Canvas::DessineImageGris(int gauche, int haut, int droite, int bas, int largeur, int hauteur,
                              const std::uint8_t* gris) {
    if (largeur <= 0 || hauteur <= 0 || droite <= gauche || bas <= haut || gris == nullptr) return;
    for (int y = haut; y < bas; ++y) {
        const std::int64_t ligne = std::int64_t{y - haut} * hauteur / (bas - haut);
        for (int x = gauche; x < droite; ++x) {
            const std::int64_t colonne = std::int64_t{x - gauche} * largeur / (droite - gauche);
            const std::uint8_t v = gris[ligne * largeur + colonne];
            FixePixel(x, y, Couleur{v, v, v});
        }
    }
}

void Canvas::TraceVers(int x, int y) {
    DessineLigne(position_.X, position_.Y, x, y);
    position_ = {x, y};
}

} // namespace tarvo
