#include "shell/CanvasQt.h"

#include "pages/commun/Symbole.h"

#include <QImage>
#include <QPagedPaintDevice>

#include <algorithm>
#include <cmath>

namespace tarvo {
namespace {

QColor CouleurQt(Couleur c) {
    return QColor(c.Rouge, c.Vert, c.Bleu);
}

QPen StyloQt(const Plume& p) {
    if (p.Style == StylePlume::Invisible) return Qt::NoPen;
    QPen stylo(CouleurQt(p.Teinte));
    stylo.setWidth(p.Largeur > 0 ? p.Largeur : 1);
    stylo.setStyle(p.Style == StylePlume::Pointille ? Qt::DotLine : Qt::SolidLine);
    // Lines stop short of their end point; shapes keep square corners.
    stylo.setCapStyle(Qt::FlatCap);
    stylo.setJoinStyle(Qt::MiterJoin);
    return stylo;
}

QBrush BrosseQt(const Brosse& b) {
    if (b.Style == StyleBrosse::Vide) return Qt::NoBrush;
    return CouleurQt(b.Teinte);
}

} // namespace

QFont PoliceQt(const Police& police, const QPaintDevice& appareil) {
    QFont f(QString::fromLatin1(FamilleArial));
    f.setBold(police.Gras);
    if (police.Hauteur <= 0) {
        f.setPixelSize(police.Hauteur < 0 ? -police.Hauteur : 1);
        return f;
    }
    // The em of Arial is about 0.895 of its cell.
    const auto cellule = [&f, &appareil](int pixels) {
        f.setPixelSize(pixels);
        return QFontMetrics(f, &appareil).height();
    };
    int pixels = std::max(1, static_cast<int>(std::lround(police.Hauteur * 0.895)));
    while (pixels > 1 && cellule(pixels) > police.Hauteur)
        --pixels;
    while (cellule(pixels + 1) <= police.Hauteur)
        ++pixels;
    f.setPixelSize(pixels);
    return f;
}

CanvasQt::CanvasQt(QImage& image) : appareil_(image), image_(&image), imprimante_(false) {
    constexpr int PointsParMetre96 = 3780;
    image.setDotsPerMeterX(PointsParMetre96);
    image.setDotsPerMeterY(PointsParMetre96);
}

CanvasQt::CanvasQt(QPagedPaintDevice& imprimante) : appareil_(imprimante), imprimante_(true) {
    echec_ = !peintre_.begin(&imprimante);
}

CanvasQt::~CanvasQt() {
    Termine();
}

void CanvasQt::Termine() {
    VideLot();
    if (peintre_.isActive()) peintre_.end();
    plumeAppliquee_.reset();
    brosseAppliquee_.reset();
}

QPainter& CanvasQt::Peintre() {
    if (!peintre_.isActive() && !imprimante_ && !echec_) {
        echec_ = !peintre_.begin(&appareil_);
        plumeAppliquee_.reset();
        brosseAppliquee_.reset();
        policeAppliquee_.reset();
    }
    if (peintre_.isActive() && policeAppliquee_ != PoliceCourante()) {
        Metriques();
        peintre_.setFont(police_);
        policeAppliquee_ = PoliceCourante();
    }
    return peintre_;
}

const QFontMetrics& CanvasQt::Metriques() {
    if (!metriques_ || !policeAppliquee_ || *policeAppliquee_ != PoliceCourante()) {
        const std::pair<int, bool> cle{PoliceCourante().Hauteur, PoliceCourante().Gras};
        auto trouvee = polices_.find(cle);
        if (trouvee == polices_.end())
            trouvee = polices_.emplace(cle, PoliceQt(PoliceCourante(), appareil_)).first;
        police_ = trouvee->second;
        metriques_.emplace(police_, &appareil_);
        policeAppliquee_.reset();
        if (peintre_.isActive()) {
            peintre_.setFont(police_);
            policeAppliquee_ = PoliceCourante();
        }
    }
    return *metriques_;
}

void CanvasQt::AppliquePlume() {
    AppliquePlume(PlumeCourante());
}

void CanvasQt::AppliquePlume(const Plume& p) {
    if (plumeAppliquee_ == p) return;
    peintre_.setPen(StyloQt(p));
    plumeAppliquee_ = p;
}

void CanvasQt::AppliqueBrosse() {
    if (brosseAppliquee_ == BrosseCourante()) return;
    peintre_.setBrush(BrosseQt(BrosseCourante()));
    brosseAppliquee_ = BrosseCourante();
}

QString CanvasQt::TexteQt(std::string_view texte) const {
    if (PoliceCourante().Nom == PoliceSymbol) {
        const std::string grec = TexteSymbole(texte);
        return QString::fromUtf8(grec.data(), static_cast<qsizetype>(grec.size()));
    }
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

int CanvasQt::Largeur() {
    return appareil_.width();
}
int CanvasQt::Hauteur() {
    return appareil_.height();
}
int CanvasQt::PixelsParPouce() {
    return appareil_.logicalDpiY();
}

CanvasQt::TexteMisEnPage& CanvasQt::MiseEnPageTexte(std::string_view texte) {
    const Police& police = PoliceCourante();
    cle_.assign(texte);
    cle_ += '\0';
    cle_ += police.Nom;
    cle_ += police.Gras ? "+g" : "+n";
    cle_ += std::to_string(police.Hauteur);
    auto trouve = textes_.find(cle_);
    if (trouve != textes_.end()) return trouve->second;
    // A long-running program draws many different values: start afresh now and then.
    constexpr std::size_t TextesMax = 2000;
    if (textes_.size() >= TextesMax) textes_.clear();
    TexteMisEnPage t;
    const QString q = TexteQt(texte);
    t.Largeur = Metriques().horizontalAdvance(q);
    t.Statique.setText(q);
    t.Statique.setTextFormat(Qt::PlainText);
    t.Statique.setPerformanceHint(QStaticText::AggressiveCaching);
    t.Statique.prepare(QTransform(), police_);
    return textes_.emplace(cle_, std::move(t)).first->second;
}

int CanvasQt::LargeurTexte(std::string_view texte) {
    return MiseEnPageTexte(texte).Largeur;
}

int CanvasQt::HauteurTexte(std::string_view) {
    return Metriques().height();
}

void CanvasQt::DessineTexte(int x, int y, std::string_view texte) {
    VideLot();
    QPainter& p = Peintre();
    if (!p.isActive()) return;
    TexteMisEnPage& t = MiseEnPageTexte(texte);
    if (BrosseCourante().Style == StyleBrosse::Plein)
        p.fillRect(QRect(x, y, t.Largeur, Metriques().height()),
                   CouleurQt(BrosseCourante().Teinte));
    if (image_ != nullptr && !p.hasClipping()) {
        if (!t.SurBlanc)
            t.SurBlanc = FaitTexteSurBlanc(t.Statique, police_, *image_);
        if (PoseTexteSurBlanc(*t.SurBlanc, *image_, x, y)) return;
    }
    p.setPen(Qt::black);
    plumeAppliquee_.reset();
    p.drawStaticText(QPoint(x, y), t.Statique);
}

void CanvasQt::DessineLigne(int x1, int y1, int x2, int y2) {
    QPainter& p = Peintre();
    if (!p.isActive() || PlumeCourante().Style == StylePlume::Invisible) return;
    // A line of the waiting marks' colour paints only that colour too: they may wait on.
    const Couleur& c = PlumeCourante().Teinte;
    if (lot_.Couleur() != qRgb(c.Rouge, c.Vert, c.Bleu)) VideLot();
    AppliquePlume();
    p.drawLine(x1, y1, x2, y2);
}

void CanvasQt::VideLot() {
    if (!lot_.Vide()) lot_.Dessine(peintre_, image_);
}

void CanvasQt::Rectangle(int gauche, int haut, int droite, int bas) {
    VideLot();
    QPainter& p = Peintre();
    if (!p.isActive() || droite <= gauche || bas <= haut) return;
    AppliquePlume();
    AppliqueBrosse();
    // The outline on the edges but right and bottom - 1; without pen the inside alone.
    p.drawRect(QRect(gauche, haut, droite - gauche - 1, bas - haut - 1));
}

void CanvasQt::RemplitRectangle(int gauche, int haut, int droite, int bas) {
    VideLot();
    QPainter& p = Peintre();
    if (!p.isActive() || BrosseCourante().Style == StyleBrosse::Vide) return;
    p.fillRect(QRect(gauche, haut, droite - gauche, bas - haut),
               CouleurQt(BrosseCourante().Teinte));
}

void CanvasQt::Ellipse(int gauche, int haut, int droite, int bas) {
    QPainter& p = Peintre();
    if (!p.isActive() || droite <= gauche || bas <= haut) return;
    if (const TamponEllipse* tampon = Tampon(droite - gauche, bas - haut)) {
        if (tampon->Couleur) {
            if (lot_.Couleur() && lot_.Couleur() != tampon->Couleur) VideLot();
            lot_.AjouteMarque(gauche, haut, *tampon);
            return;
        }
        VideLot();
        p.drawImage(gauche, haut, tampon->Image);
        return;
    }
    VideLot();
    AppliquePlume();
    AppliqueBrosse();
    p.drawEllipse(QRect(gauche, haut, droite - gauche - 1, bas - haut - 1));
}

// Small ellipses drawn many times (the marks of a long history) come from a stamp drawn once:
// on the screen, with a thin solid pen (or none) and a solid brush (or none), Qt traces an
// ellipse of whole pixels the same wherever it lies, in opaque colours, so the stamp's
// pixels are those the ellipse would have drawn there.
const TamponEllipse* CanvasQt::Tampon(int largeur, int hauteur) {
    constexpr int CoteMax = 32;
    const Plume& plume = PlumeCourante();
    const Brosse& brosse = BrosseCourante();
    if (imprimante_ || largeur > CoteMax || hauteur > CoteMax ||
        (plume.Style != StylePlume::Invisible &&
         (plume.Style != StylePlume::Plein || plume.Largeur > 1)))
        return nullptr;
    const CleTampon cle{largeur, hauteur, plume, brosse};
    // A long history lays the same mark thousands of times in a row.
    if (dernierTampon_ && !(cle < dernierTampon_->first) && !(dernierTampon_->first < cle))
        return &dernierTampon_->second;
    auto trouve = tampons_.find(cle);
    if (trouve == tampons_.end())
        trouve = tampons_
                     .emplace(cle, FaitTampon(largeur, hauteur, StyloQt(plume), BrosseQt(brosse)))
                     .first;
    dernierTampon_ = &*trouve;
    return &trouve->second;
}

void CanvasQt::DessineImageGris(int gauche, int haut, int droite, int bas, int largeur, int hauteur,
                                const std::uint8_t* gris) {
    VideLot();
    QPainter& p = Peintre();
    if (!p.isActive() || largeur <= 0 || hauteur <= 0 || gris == nullptr) return;
    const QImage image(gris, largeur, hauteur, largeur, QImage::Format_Grayscale8);
    p.drawImage(QRect(gauche, haut, droite - gauche, bas - haut), image);
}

void CanvasQt::FixePixel(int x, int y, Couleur couleur) {
    VideLot();
    QPainter& p = Peintre();
    if (!p.isActive()) return;
    p.fillRect(QRect(x, y, 1, 1), CouleurQt(couleur));
}

} // namespace tarvo
