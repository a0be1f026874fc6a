#pragma once

#include "pages/commun/Canvas.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace tarvo {

// The pixel size of a canvas font in Liberation Sans, the face the desktop draws with, and
// its cell: ascent and descent rounded each, as the desktop's font engine gives them.
struct MetriquesPolice {
    int Pixels = 1;
    int Ascendante = 1;
    int Hauteur = 1;
};
MetriquesPolice MetriquesDe(const Police& police);

// A canvas of the page: an HTML canvas drawn by the page's script. The primitives are
// noted as a list of operations and handed over together (`Envoie`), a drawing at a time;
// the width of a text is the browser's own measure of the shipped face, rounded as the
// desktop rounds it, kept for the next time.
class CanvasWeb final : public Canvas {
  public:
    // The operations the script replays (bibliotheque.js), each followed by its values.
    enum Operation : std::int32_t {
        Ligne = 1,         // x1 y1 x2 y2 couleur largeur style
        Rectangle_ = 2,    // g h d b couleurPlume largeur stylePlume couleurBrosse styleBrosse
        Remplit = 3,       // g h d b couleur
        Ellipse_ = 4,      // as Rectangle_
        Pixel = 5,         // x y couleur
        Texte = 6,         // x y pixels gras ascendante debut longueur fond largeur hauteur
        ImageGris = 7,     // g h d b largeur hauteur debut
    };

    CanvasWeb(int numero, int largeur, int hauteur) : numero_(numero), largeur_(largeur), hauteur_(hauteur) {}

    // A graph image takes its control's size.
    void Redimensionne(int largeur, int hauteur);
    // Hands what was drawn to the page's script.
    void Envoie();

    int Largeur() override { return largeur_; }
    int Hauteur() override { return hauteur_; }
    int PixelsParPouce() override { return 96; }
    int LargeurTexte(std::string_view texte) override;
    int HauteurTexte(std::string_view texte) override;
    void Rectangle(int gauche, int haut, int droite, int bas) override;
    void RemplitRectangle(int gauche, int haut, int droite, int bas) override;
    void Ellipse(int gauche, int haut, int droite, int bas) override;
    void FixePixel(int x, int y, Couleur couleur) override;
    void DessineImageGris(int gauche, int haut, int droite, int bas, int largeur, int hauteur,
                          const std::uint8_t* gris) override;

  protected:
    void DessineTexte(int x, int y, std::string_view texte) override;
    void DessineLigne(int x1, int y1, int x2, int y2) override;

  private:
    void Ajoute(std::initializer_list<std::int32_t> valeurs);
    void Forme(Operation operation, int gauche, int haut, int droite, int bas);
    // The text as the face shows it (the Greek letters of "Symbol").
    std::string TexteAffiche(std::string_view texte) const;

    int numero_;
    int largeur_;
    int hauteur_;
    std::vector<std::int32_t> operations_;
    std::string textes_;
    std::vector<std::uint8_t> images_;
    std::unordered_map<std::string, int> largeurs_;
    std::string cle_;
};

// The colour as the script takes it: 0xRRGGBB.
inline std::int32_t Rvb(Couleur c) {
    return (c.Rouge << 16) | (c.Vert << 8) | c.Bleu;
}

} // namespace tarvo
