#pragma once

#include "pages/commun/Canvas.h"
#include "pages/commun/Surface.h"

#include <string>
#include <unordered_map>

namespace tarvo {

// The printer of the page: sheets drawn as SVG at their size in millimetres, which the
// browser prints at 100 %. The canvas is the printable part of the sheet (inside `marge`),
// in printer pixels at the format's resolution, as the desktop's printer canvas; text is
// measured in the same face at that size.
class PapierSvg final : public Canvas {
  public:
    PapierSvg(const FormatImpression& format, double margeMm);

    void NouvelleFeuille();
    // Every sheet, one <svg> element each, in order.
    std::string Feuilles() const;
    const FormatImpression& Format() const { return format_; }

    int Largeur() override { return largeur_; }
    int Hauteur() override { return hauteur_; }
    int PixelsParPouce() override { return format_.PointsParPouce; }
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
    std::string Trait() const;
    std::string Fond() const;
    void Forme(const std::string& element);

    FormatImpression format_;
    int marge_;
    int largeur_;
    int hauteur_;
    std::string feuilles_;
    std::string feuille_;
    std::unordered_map<std::string, int> largeurs_;
};

} // namespace tarvo
