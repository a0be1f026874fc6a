#pragma once

#include "pages/commun/Canvas.h"

#include <QImage>
#include <QPoint>

#include <optional>
#include <vector>

class QFont;
class QStaticText;

class QBrush;
class QPainter;
class QPen;

namespace tarvo {

// A small ellipse as Qt draws it on the screen, drawn once and laid where it is asked for.
// When every pixel it paints is of one opaque colour, `Traits` lists them, run by run.
struct TamponEllipse {
    struct Trait {
        int Y, Debut, Fin; // the pixels Debut <= x < Fin of row Y
    };
    QImage Image;
    std::optional<QRgb> Couleur;
    std::vector<Trait> Traits;
};

// Makes the stamp of an ellipse of that size with that pen and brush.
TamponEllipse FaitTampon(int largeur, int hauteur, const QPen& stylo, const QBrush& brosse);

// The screen's marks of one colour, waiting to be laid together. Each paints that colour
// alone on whole pixels, as does any line of that colour, so their order among themselves
// and those lines does not matter: the marks' pixels go straight into the bitmap when it is
// the painter's alone.
class LotTraces {
  public:
    bool Vide() const { return marques_.empty(); }
    // The colour every waiting mark paints (nothing when none waits).
    std::optional<QRgb> Couleur() const { return couleur_; }
    void AjouteMarque(int x, int y, const TamponEllipse& tampon);
    // Lays what waits and empties the batch.
    void Dessine(QPainter& peintre, QImage* image);

  private:
    struct Marque {
        int X, Y;
        const TamponEllipse* Tampon;
    };
    std::optional<QRgb> couleur_;
    std::vector<Marque> marques_;
};

// A text as Qt draws it in black on white, laid where it is asked for: on each row, the
// span of the pixels it darkens. Where those spans are white in the bitmap, they take the
// values Qt would give them.
struct TexteSurBlanc {
    struct Trait {
        int Y, Debut, Fin;
    };
    QImage Image; // the text with its top left at (X, Y), all its ink inside
    int X = 0, Y = 0;
    std::vector<Trait> Traits;
};

TexteSurBlanc FaitTexteSurBlanc(const QStaticText& texte, const QFont& police,
                                const QImage& modele);

// Lays the text with its top left at (x, y) when the bitmap allows it (its own pixels, in
// its format, and white wherever the text darkens); false otherwise, nothing changed.
bool PoseTexteSurBlanc(const TexteSurBlanc& texte, QImage& image, int x, int y);

} // namespace tarvo
