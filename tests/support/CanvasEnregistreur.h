#pragma once

#include "pages/commun/Canvas.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvo::test {

// One drawing operation with the settings it was made with.
struct Trace {
    enum class Genre { Texte, Rectangle, Remplissage, Ellipse, Ligne, Pixel, Image };
    Genre Type = Genre::Texte;
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    std::string Texte;
    Police PoliceUtilisee;
    Plume PlumeUtilisee;
    Brosse BrosseUtilisee;
    Couleur CouleurPixel;
    // A picture's size and values.
    int LargeurImage = 0, HauteurImage = 0;
    std::vector<std::uint8_t> Gris;
};

// A canvas that records what is drawn, with fixed metrics so that positions can be
// computed by hand: the cell height of a font is its positive height, or 115 % of a
// negative one; every character is `PourMilleLargeur` thousandths of the cell wide
// (rounded down), whatever the text, and the cell height is the height of any text.
class CanvasEnregistreur : public Canvas {
  public:
    CanvasEnregistreur(int largeur, int hauteur, int pixelsParPouce)
        : largeur_(largeur), hauteur_(hauteur), ppp_(pixelsParPouce) {}

    // A graph image takes the size of its control.
    void Redimensionne(int largeur, int hauteur) {
        largeur_ = largeur;
        hauteur_ = hauteur;
    }

    int Largeur() override { return largeur_; }
    int Hauteur() override { return hauteur_; }
    int PixelsParPouce() override { return ppp_; }
    int LargeurTexte(std::string_view texte) override;
    int HauteurTexte(std::string_view texte) override;
    void Rectangle(int gauche, int haut, int droite, int bas) override;
    void RemplitRectangle(int gauche, int haut, int droite, int bas) override;
    void Ellipse(int gauche, int haut, int droite, int bas) override;
    void FixePixel(int x, int y, Couleur couleur) override;
    void DessineImageGris(int gauche, int haut, int droite, int bas, int largeur, int hauteur,
                          const std::uint8_t* gris) override;

    // Metrics of the current font.
    int HauteurCellule() const;
    int LargeurCaractere() const;

    // The first text drawn that equals `texte`, or nullptr.
    const Trace* Texte(std::string_view texte) const;
    // Every text drawn, in order.
    std::vector<std::string> Textes() const;
    std::vector<Trace> DuGenre(Trace::Genre genre) const;
    bool ARectangle(int gauche, int haut, int droite, int bas) const;

    int PourMilleLargeur = 450;
    std::vector<Trace> Traces;

  protected:
    void DessineTexte(int x, int y, std::string_view texte) override;
    void DessineLigne(int x1, int y1, int x2, int y2) override;

  private:
    Trace Nouvelle(Trace::Genre genre, int x1, int y1, int x2, int y2) const;
    int largeur_;
    int hauteur_;
    int ppp_;
};

// Characters of a UTF-8 text.
int NombreCaracteres(std::string_view texte);

} // namespace tarvo::test
