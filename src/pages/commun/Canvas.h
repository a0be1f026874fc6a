#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

struct Couleur {
    std::uint8_t Rouge = 0;
    std::uint8_t Vert = 0;
    std::uint8_t Bleu = 0;
    friend constexpr bool operator==(const Couleur&, const Couleur&) = default;
};

inline constexpr Couleur Noir{0, 0, 0};
inline constexpr Couleur Blanc{255, 255, 255};
// The grey of the central-hole band of the graphs.
inline constexpr Couleur Argent{192, 192, 192};

// Plein: solid; Invisible: draws nothing (a filled shape then has no outline);
// Pointille: dotted.
enum class StylePlume { Plein, Invisible, Pointille };
// Plein: shapes are filled and text is drawn on a background of the brush colour;
// Vide: no fill, text drawn on what is already there.
enum class StyleBrosse { Plein, Vide };

struct Plume {
    Couleur Teinte = Noir;
    StylePlume Style = StylePlume::Plein;
    int Largeur = 1;
    friend bool operator==(const Plume&, const Plume&) = default;
};

struct Brosse {
    Couleur Teinte = Blanc;
    StyleBrosse Style = StyleBrosse::Plein;
    friend bool operator==(const Brosse&, const Brosse&) = default;
};

// The faces the pages ask for.
inline constexpr std::string_view PoliceArial = "Arial";
// In "Symbol" the Latin letters stand for Greek ones: "m" is µ, "l" is λ, "r" is ρ,
// "e" is ε, "L" is Λ.
inline constexpr std::string_view PoliceSymbol = "Symbol";

struct Police {
    std::string Nom = std::string(PoliceArial);
    // Pixels of the target. Positive: cell height (ascent + descent); negative: character
    // height (the em, without the internal leading).
    int Hauteur = 16;
    bool Gras = false;
    friend bool operator==(const Police&, const Police&) = default;
};

struct Point {
    int X = 0;
    int Y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

// The drawing surface of a page: the screen bitmap, a graph image or the printer page.
// Coordinates are pixels of the target, y growing downwards. The pen, the brush and the
// font are current settings, kept here and used by every primitive, as on the desktop
// canvases the pages were designed for:
// - rectangles and ellipses span [left, right) x [top, bottom): with a 1-pixel pen the
//   outline lies on left and right - 1, top and bottom - 1; the inside takes the brush;
// - a line goes from the current position to the point, without its last pixel, and
//   the point becomes the current position;
// - text is placed by its top-left corner (top of the cell); the current position moves
//   to the end of the text (x + its width, y).
class Canvas {
  public:
    virtual ~Canvas() = default;

    // Size of the target: the bitmap, or the printable page in printer pixels.
    virtual int Largeur() = 0;
    virtual int Hauteur() = 0;
    // Pixels per inch of the target (96 for a screen bitmap).
    virtual int PixelsParPouce() = 0;

    // Draws the text and moves the current position to its end.
    void EcritTexte(int x, int y, std::string_view texte);
    // Advance width and cell height of a text in the current font.
    virtual int LargeurTexte(std::string_view texte) = 0;
    virtual int HauteurTexte(std::string_view texte) = 0;

    virtual void Rectangle(int gauche, int haut, int droite, int bas) = 0;
    // Fills with the brush, without outline.
    virtual void RemplitRectangle(int gauche, int haut, int droite, int bas) = 0;
    virtual void Ellipse(int gauche, int haut, int droite, int bas) = 0;
    void TraceVers(int x, int y);
    virtual void FixePixel(int x, int y, Couleur couleur) = 0;
    // A grey picture of `largeur` × `hauteur` values, row by row from the top, 0 black to 255
    // white, drawn to fill [gauche, droite) × [haut, bas), each value a block of pixels. The
    // base draws it pixel by pixel; canvases over a toolkit draw it at once.
    virtual void DessineImageGris(int gauche, int haut, int droite, int bas, int largeur,
                                  int hauteur, const std::uint8_t* gris);

    void DeplaceVers(int x, int y) { position_ = {x, y}; }
    Point PositionCourante() const { return position_; }

    const Plume& PlumeCourante() const { return plume_; }
    void FixePlume(const Plume& plume) { plume_ = plume; }
    void FixeCouleurPlume(Couleur couleur) { plume_.Teinte = couleur; }
    void FixeStylePlume(StylePlume style) { plume_.Style = style; }
    void FixeLargeurPlume(int largeur) { plume_.Largeur = largeur; }

    const Brosse& BrosseCourante() const { return brosse_; }
    void FixeBrosse(const Brosse& brosse) { brosse_ = brosse; }
    void FixeCouleurBrosse(Couleur couleur) { brosse_.Teinte = couleur; }
    void FixeStyleBrosse(StyleBrosse style) { brosse_.Style = style; }

    const Police& PoliceCourante() const { return police_; }
    void FixePolice(const Police& police) { police_ = police; }
    void FixeNomPolice(std::string_view nom) { police_.Nom = nom; }
    void FixeHauteurPolice(int hauteur) { police_.Hauteur = hauteur; }
    // A size in points becomes the character height it has on this target.
    void FixeTaillePolice(int points);
    void FixeGras(bool gras) { police_.Gras = gras; }

  protected:
    Canvas() = default;
    Canvas(const Canvas&) = default;
    Canvas& operator=(const Canvas&) = default;
    virtual void DessineTexte(int x, int y, std::string_view texte) = 0;
    // A line from (x1, y1) to (x2, y2) without its last pixel.
    virtual void DessineLigne(int x1, int y1, int x2, int y2) = 0;

  private:
    Plume plume_;
    Brosse brosse_;
    Police police_;
    Point position_;
};

// Character height of a size in points at a resolution: points x ppp / 72, rounded half
// away from zero (as MulDiv does), given negative as a character height.
int HauteurDeTaille(int points, int pixelsParPouce);

} // namespace tarvo
