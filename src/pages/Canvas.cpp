#include "pages/Canvas.h"

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

void Canvas::TraceVers(int x, int y) {
    DessineLigne(position_.X, position_.Y, x, y);
    position_ = {x, y};
}

} // namespace tarvo
