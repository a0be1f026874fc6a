#include "shell/RaccourcisEcran.h"

#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <iterator>
#include <tuple>

namespace tarvo {
TamponEllipse FaitTampon(int largeur, int hauteur, const QPen& stylo, const QBrush& brosse) {
    TamponEllipse t;
    t.Image = QImage(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    t.Image.fill(Qt::transparent);
    QPainter peintre(&t.Image);
    peintre.setPen(stylo);
    peintre.setBrush(brosse);
    peintre.drawEllipse(QRect(0, 0, largeur - 1, hauteur - 1));
    peintre.end();
    // One opaque colour and nothing half-covered: the pixels can be laid as they are.
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x) {
            const QRgb p = t.Image.pixel(x, y);
            if (qAlpha(p) == 0) continue;
            if (qAlpha(p) != 255 || (t.Couleur && *t.Couleur != p)) {
                t.Couleur.reset();
                t.Traits.clear();
                return t;
            }
            t.Couleur = p;
            if (!t.Traits.empty() && t.Traits.back().Y == y && t.Traits.back().Fin == x)
                ++t.Traits.back().Fin;
            else
                t.Traits.push_back({y, x, x + 1});
        }
    return t;
}

void LotTraces::AjouteMarque(int x, int y, const TamponEllipse& tampon) {
    couleur_ = tampon.Couleur;
    marques_.push_back({x, y, &tampon});
}

void LotTraces::Dessine(QPainter& peintre, QImage* image) {
    // Straight into the bitmap when nothing else holds its pixels and nothing clips: a mark
    // laid twice is laid once, the same pixels set to the same colour.
    const bool direct = image != nullptr && image->isDetached() && !peintre.hasClipping() &&
                        (image->format() == QImage::Format_RGB32 ||
                         image->format() == QImage::Format_ARGB32_Premultiplied);
    if (!direct) {
        auto cle = [](const Marque& m) { return std::tie(m.Y, m.X, m.Tampon); };
        std::sort(marques_.begin(), marques_.end(),
                  [&cle](const Marque& a, const Marque& b) { return cle(a) < cle(b); });
        marques_.erase(
            std::unique(marques_.begin(), marques_.end(),
                        [&cle](const Marque& a, const Marque& b) { return cle(a) == cle(b); }),
            marques_.end());
        for (const Marque& m : marques_)
            peintre.drawImage(m.X, m.Y, m.Tampon->Image);
    } else {
        uchar* pixels = image->bits();
        const qsizetype ligne = image->bytesPerLine();
        const int largeur = image->width(), hauteur = image->height();
        for (const Marque& m : marques_) {
            const QRgb couleur = *m.Tampon->Couleur;
            for (const TamponEllipse::Trait& t : m.Tampon->Traits) {
                const int y = m.Y + t.Y;
                const int debut = std::max(m.X + t.Debut, 0), fin = std::min(m.X + t.Fin, largeur);
                if (y < 0 || y >= hauteur || debut >= fin) continue;
                auto* rangee = reinterpret_cast<QRgb*>(pixels + y * ligne);
                std::fill(rangee + debut, rangee + fin, couleur);
            }
        }
    }
    marques_.clear();
    couleur_.reset();
}

TexteSurBlanc FaitTexteSurBlanc(const QStaticText& texte, const QFont& police,
                                const QImage& modele) {
    // The ink may pass the text's cell (accents, overhangs): a pixel more all round.
    const QFontMetrics mesures(police, &modele);
    const QRect encre = mesures.boundingRect(texte.text()).translated(0, mesures.ascent());
    const QRect cellule(0, 0, mesures.horizontalAdvance(texte.text()), mesures.height());
    const QRect tout = encre.united(cellule).adjusted(-1, -1, 1, 1);
    TexteSurBlanc t;
    t.X = -tout.left();
    t.Y = -tout.top();
    t.Image = QImage(tout.size(), QImage::Format_RGB32);
    t.Image.setDotsPerMeterX(modele.dotsPerMeterX());
    t.Image.setDotsPerMeterY(modele.dotsPerMeterY());
    t.Image.fill(Qt::white);
    QPainter peintre(&t.Image);
    peintre.setFont(police);
    peintre.setPen(Qt::black);
    peintre.drawStaticText(QPoint(t.X, t.Y), texte);
    peintre.end();
    const QRgb blanc = qRgb(255, 255, 255);
    for (int y = 0; y < t.Image.height(); ++y) {
        const auto* rangee = reinterpret_cast<const QRgb*>(t.Image.constScanLine(y));
        const auto* fin = rangee + t.Image.width();
        const auto* premier = std::find_if(rangee, fin, [blanc](QRgb p) { return p != blanc; });
        if (premier == fin) continue;
        const auto dernier = std::find_if(std::make_reverse_iterator(fin),
                                           std::make_reverse_iterator(premier),
                                           [blanc](QRgb p) { return p != blanc; });
        t.Traits.push_back({y, static_cast<int>(premier - rangee),
                            static_cast<int>(dernier.base() - rangee)});
    }
    return t;
}

bool PoseTexteSurBlanc(const TexteSurBlanc& texte, QImage& image, int x, int y) {
    if (!image.isDetached() || image.format() != QImage::Format_RGB32) return false;
    const QRgb blanc = qRgb(255, 255, 255);
    const int x0 = x - texte.X, y0 = y - texte.Y;
    const int largeur = image.width(), hauteur = image.height();
    auto borne = [&](const TexteSurBlanc::Trait& t, int& debut, int& fin) {
        debut = std::max(x0 + t.Debut, 0);
        fin = std::min(x0 + t.Fin, largeur);
        return y0 + t.Y >= 0 && y0 + t.Y < hauteur && debut < fin;
    };
    const auto* lecture = image.constBits();
    const qsizetype ligne = image.bytesPerLine();
    for (const auto& t : texte.Traits) {
        int debut = 0, fin = 0;
        if (!borne(t, debut, fin)) continue;
        const auto* rangee = reinterpret_cast<const QRgb*>(lecture + (y0 + t.Y) * ligne);
        for (const auto* p = rangee + debut; p != rangee + fin; ++p)
            if (*p != blanc) return false;
    }
    uchar* ecriture = image.bits();
    for (const auto& t : texte.Traits) {
        int debut = 0, fin = 0;
        if (!borne(t, debut, fin)) continue;
        const auto* source = reinterpret_cast<const QRgb*>(texte.Image.constScanLine(t.Y));
        auto* rangee = reinterpret_cast<QRgb*>(ecriture + (y0 + t.Y) * ligne);
        std::copy(source + (debut - x0), source + (fin - x0), rangee + debut);
    }
    return true;
}

} // namespace tarvo
