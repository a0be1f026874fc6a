#pragma once

#include "pages/commun/Canvas.h"
#include "shell/RaccourcisEcran.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>
#include <utility>

class QImage;
class QPaintDevice;
class QPagedPaintDevice;

namespace tarvo {

// The family that stands for "Arial": Liberation Sans has the same metrics. The Greek
// letters of "Symbol" are drawn in it too.
inline constexpr const char* FamilleArial = "Liberation Sans";

// The Qt font of a canvas font on a device. A negative height is the pixel size of the
// em; a positive one a cell height: the largest em whose ascent + descent does not pass it
// (Qt sizes fonts in whole pixels).
QFont PoliceQt(const Police& police, const QPaintDevice& appareil);

// The page canvas over QPainter: on a QImage (the screen bitmap, a graph image: set to
// 96 ppp, the resolution the pages are laid out for)
// or on a printer or a PDF (paper, in printer pixels). Shapes are drawn without anti-aliasing,
// pixel for pixel as the pages expect; text is anti-aliased and always black.
class CanvasQt final : public Canvas {
  public:
    explicit CanvasQt(QImage& image);
    // Begins a document on the printer or PDF; `Actif()` is false when that failed.
    explicit CanvasQt(QPagedPaintDevice& imprimante);
    ~CanvasQt() override;
    CanvasQt(const CanvasQt&) = delete;
    CanvasQt& operator=(const CanvasQt&) = delete;

    // Ends the painting: the image may then be shown or copied (a later primitive starts
    // painting again); on a printer, the document is finished.
    void Termine();
    bool Actif() const { return !echec_; }

    int Largeur() override;
    int Hauteur() override;
    int PixelsParPouce() override;
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
    QPainter& Peintre();
    // Brings the painter's pen, brush and font to the canvas settings.
    void AppliquePlume();
    void AppliquePlume(const Plume& plume);
    void AppliqueBrosse();
    // Draws the screen's lines and marks that wait.
    void VideLot();
    LotTraces lot_;
    const QFontMetrics& Metriques();
    QString TexteQt(std::string_view texte) const;

    QPaintDevice& appareil_;
    // The screen's bitmap (nothing on paper).
    QImage* image_ = nullptr;
    bool imprimante_;
    bool echec_ = false;
    QPainter peintre_;
    std::optional<Plume> plumeAppliquee_;
    std::optional<Brosse> brosseAppliquee_;
    std::optional<Police> policeAppliquee_;
    QFont police_;
    std::optional<QFontMetrics> metriques_;
    // Fonts already resolved, by height and weight.
    std::map<std::pair<int, bool>, QFont> polices_;
    // Texts already laid out, by font and text: a page draws the same labels at every
    // redraw, and measures most texts before drawing them.
    struct TexteMisEnPage {
        int Largeur = 0;
        QStaticText Statique;
        // On the screen, the text as Qt draws it on white, made at its first drawing.
        std::optional<TexteSurBlanc> SurBlanc;
    };
    TexteMisEnPage& MiseEnPageTexte(std::string_view texte);
    // Stamps of the small ellipses, by size, pen and brush.
    struct CleTampon {
        int Largeur, Hauteur;
        Plume Trait;
        Brosse Fond;
        bool operator<(const CleTampon& b) const {
            return std::tie(Largeur, Hauteur, Trait.Teinte.Rouge, Trait.Teinte.Vert,
                            Trait.Teinte.Bleu, Trait.Style, Trait.Largeur, Fond.Teinte.Rouge,
                            Fond.Teinte.Vert, Fond.Teinte.Bleu, Fond.Style) <
                   std::tie(b.Largeur, b.Hauteur, b.Trait.Teinte.Rouge, b.Trait.Teinte.Vert,
                            b.Trait.Teinte.Bleu, b.Trait.Style, b.Trait.Largeur,
                            b.Fond.Teinte.Rouge, b.Fond.Teinte.Vert, b.Fond.Teinte.Bleu,
                            b.Fond.Style);
        }
    };
    const TamponEllipse* Tampon(int largeur, int hauteur);
    std::map<CleTampon, TamponEllipse> tampons_;
    const std::pair<const CleTampon, TamponEllipse>* dernierTampon_ = nullptr;
    std::unordered_map<std::string, TexteMisEnPage> textes_;
    std::string cle_;
};

} // namespace tarvo
