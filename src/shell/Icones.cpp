#include "shell/Icones.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace tarvo {

namespace {

// The images are drawn in a 16 x 16 grid and scaled to the size asked for, with one
// palette: black outlines, white paper, a steel blue for the mirror and the curves.
const QColor Trait(32, 32, 32);
const QColor Papier(255, 255, 255);
const QColor Acier(52, 101, 164);
const QColor Clair(180, 205, 235);
const QColor Jaune(237, 201, 72);
const QColor Rouge(200, 40, 40);

QPen Plume(const QColor& couleur, double largeur = 1.0) {
    QPen plume(couleur, largeur);
    plume.setJoinStyle(Qt::MiterJoin);
    plume.setCapStyle(Qt::FlatCap);
    return plume;
}

// A sheet of paper with its top-right corner folded.
void Feuille(QPainter& p, QRectF r) {
    const double pli = 3.5;
    QPolygonF feuille;
    feuille << r.topLeft() << QPointF(r.right() - pli, r.top()) << QPointF(r.right(), r.top() + pli)
            << r.bottomRight() << r.bottomLeft();
    p.setPen(Plume(Trait));
    p.setBrush(Papier);
    p.drawPolygon(feuille);
    QPolygonF coin;
    coin << QPointF(r.right() - pli, r.top()) << QPointF(r.right() - pli, r.top() + pli)
         << QPointF(r.right(), r.top() + pli);
    p.setBrush(Clair);
    p.drawPolygon(coin);
}

void Lignes(QPainter& p, double gauche, double droite, double haut, int nombre, double pas) {
    p.setPen(Plume(Acier));
    for (int i = 0; i < nombre; ++i)
        p.drawLine(QPointF(gauche, haut + i * pas), QPointF(droite, haut + i * pas));
}

void Disquette(QPainter& p) {
    p.setPen(Plume(Trait));
    p.setBrush(Acier);
    QPolygonF corps;
    corps << QPointF(1.5, 1.5) << QPointF(12.5, 1.5) << QPointF(14.5, 3.5) << QPointF(14.5, 14.5)
          << QPointF(1.5, 14.5);
    p.drawPolygon(corps);
    p.setBrush(Papier);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(Clair);
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
    p.fillRect(QRectF(9, 2.5, 1.5, 3), Trait);
}

// A table of readings: a grid of 3 columns and 4 rows.
void Grille(QPainter& p, QRectF r) {
    p.setPen(Plume(Trait));
    p.setBrush(Papier);
    p.drawRect(r);
    p.fillRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, 2.5), Clair);
    p.setPen(Plume(Acier));
    for (int i = 1; i < 4; ++i) {
        const double y = r.top() + i * r.height() / 4;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    for (int i = 1; i < 3; ++i) {
        const double x = r.left() + i * r.width() / 3;
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    }
}

void Crayon(QPainter& p, QPointF pointe) {
    QPolygonF corps;
    corps << pointe << pointe + QPointF(1.5, -4) << pointe + QPointF(7.5, -10)
          << pointe + QPointF(10, -7.5) << pointe + QPointF(4, -1.5);
    p.setPen(Plume(Trait));
    p.setBrush(Jaune);
    p.drawPolygon(corps);
    p.setBrush(Trait);
    QPolygonF mine;
    mine << pointe << pointe + QPointF(0.8, -2) << pointe + QPointF(2, -0.8);
    p.drawPolygon(mine);
}

void Nouveau(QPainter& p) {
    Feuille(p, QRectF(2.5, 0.5, 11, 15));
}

void Ouvrir(QPainter& p) {
    p.setPen(Plume(Trait));
    p.setBrush(Jaune.darker(115));
    QPolygonF dos;
    dos << QPointF(0.5, 3.5) << QPointF(5.5, 3.5) << QPointF(7, 5) << QPointF(13.5, 5)
        << QPointF(13.5, 14.5) << QPointF(0.5, 14.5);
    p.drawPolygon(dos);
    p.setBrush(Jaune);
    QPolygonF devant;
    devant << QPointF(0.5, 14.5) << QPointF(3, 7.5) << QPointF(15.5, 7.5) << QPointF(13.5, 14.5);
    p.drawPolygon(devant);
}

void Enregistrer(QPainter& p) {
    Disquette(p);
}

void EnregistrerSous(QPainter& p) {
    p.save();
    p.translate(-1, -1);
    p.scale(0.85, 0.85);
    Disquette(p);
    p.restore();
    Crayon(p, QPointF(6, 15.5));
}

void Imprimer(QPainter& p) {
    p.setPen(Plume(Trait));
    p.setBrush(Papier);
    p.drawRect(QRectF(3.5, 0.5, 9, 6));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(0.5, 6.5, 15, 6));
    p.setBrush(Papier);
    p.drawRect(QRectF(3.5, 10.5, 9, 5));
    Lignes(p, 5, 11, 12.5, 2, 2);
    p.fillRect(QRectF(12, 8, 2, 1.5), QColor(60, 170, 60));
}

void Couper(QPainter& p) {
    p.setPen(Plume(Trait, 1.2));
    p.drawLine(QPointF(4.5, 1), QPointF(10, 11));
    p.drawLine(QPointF(11.5, 1), QPointF(6, 11));
    p.setBrush(Qt::NoBrush);
    p.setPen(Plume(Rouge, 1.5));
    p.drawEllipse(QRectF(2, 10.5, 4.5, 4.5));
    p.drawEllipse(QRectF(9.5, 10.5, 4.5, 4.5));
}

void Copier(QPainter& p) {
    Feuille(p, QRectF(0.5, 0.5, 9, 11));
    Lignes(p, 2.5, 7.5, 5.5, 3, 2);
    Feuille(p, QRectF(6.5, 4.5, 9, 11));
    Lignes(p, 8.5, 13.5, 9.5, 3, 2);
}

void Coller(QPainter& p) {
    p.setPen(Plume(Trait));
    p.setBrush(QColor(160, 110, 60));
    p.drawRect(QRectF(1.5, 2.5, 10, 13));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 0.5, 4, 3));
    Feuille(p, QRectF(6.5, 5.5, 9, 10));
    Lignes(p, 8.5, 13.5, 9.5, 3, 2);
}

// The mirror seen from the front behind its Couder mask: the disc and two zone openings.
void Caracteristiques(QPainter& p) {
    p.setPen(Plume(Trait));
    p.setBrush(Clair);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setBrush(Acier);
    p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
    p.setBrush(Papier);
    p.drawEllipse(QRectF(6, 6, 4, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(Trait);
    p.drawRect(QRectF(7, 0.5, 2, 15));
}

// The work sheet: a sheet with text lines and a small tolerance curve.
void FeuilleTravail(QPainter& p) {
    Feuille(p, QRectF(1.5, 0.5, 13, 15));
    Lignes(p, 3.5, 10, 3.5, 3, 2);
    p.setPen(Plume(Rouge));
    p.setBrush(Qt::NoBrush);
    QPainterPath courbe(QPointF(3.5, 13.5));
    courbe.cubicTo(QPointF(6, 13.5), QPointF(8, 9), QPointF(12.5, 9.5));
    p.drawPath(courbe);
}

void Mesures(QPainter& p) {
    Grille(p, QRectF(0.5, 1.5, 15, 13));
}

void NouvellesMesures(QPainter& p) {
    Grille(p, QRectF(0.5, 1.5, 12, 13));
    p.setPen(Plume(Rouge, 2));
    p.drawLine(QPointF(12.5, 8), QPointF(12.5, 15.5));
    p.drawLine(QPointF(8.75, 11.75), QPointF(16, 11.75));
}

void EditionMesures(QPainter& p) {
    Grille(p, QRectF(0.5, 1.5, 13, 12));
    Crayon(p, QPointF(6.5, 15.5));
}

// The test report: a wavefront curve on its axes.
void Bulletin(QPainter& p) {
    Feuille(p, QRectF(0.5, 0.5, 15, 15));
    p.setPen(Plume(Trait));
    p.drawLine(QPointF(2.5, 8.5), QPointF(13.5, 8.5));
    p.drawLine(QPointF(2.5, 3), QPointF(2.5, 14));
    p.setPen(Plume(Acier, 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath onde(QPointF(2.5, 6));
    onde.cubicTo(QPointF(6, 13), QPointF(9, 3), QPointF(13.5, 10));
    p.drawPath(onde);
}

void Aide(QPainter& p) {
    p.setPen(Plume(Acier.darker(120)));
    p.setBrush(Acier);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont police;
    police.setFamily("Liberation Sans");
    police.setBold(true);
    police.setPixelSize(12);
    p.setFont(police);
    p.setPen(Papier);
    p.drawText(QRectF(0, 0.5, 16, 15), Qt::AlignCenter, "?");
}

// The analysis: a profile across the whole diameter inside its grey band.
void Analyse(QPainter& p) {
    Feuille(p, QRectF(0.5, 0.5, 15, 15));
    QPainterPath bande(QPointF(2, 6));
    bande.cubicTo(QPointF(5, 13), QPointF(11, 13), QPointF(14, 6));
    bande.lineTo(QPointF(14, 9));
    bande.cubicTo(QPointF(11, 16), QPointF(5, 16), QPointF(2, 9));
    bande.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Clair);
    p.drawPath(bande);
    p.setPen(Plume(Trait));
    p.drawLine(QPointF(2, 4.5), QPointF(14, 4.5));
    p.setPen(Plume(Acier, 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath onde(QPointF(2, 7.5));
    onde.cubicTo(QPointF(5, 14.5), QPointF(11, 14.5), QPointF(14, 7.5));
    p.drawPath(onde);
}

// The history: a falling line of points over the series, on a sheet.
void HistoriqueImage(QPainter& p) {
    Feuille(p, QRectF(0.5, 0.5, 15, 15));
    p.setPen(Plume(Trait));
    p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 13.5));
    p.drawLine(QPointF(2.5, 3), QPointF(2.5, 13.5));
    p.setPen(Plume(Acier, 1.5));
    const QPointF points[] = {{4, 5}, {6.5, 7.5}, {9, 8}, {12, 11}};
    p.drawPolyline(points, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Rouge);
    for (const QPointF& point : points)
        p.drawEllipse(point, 1.1, 1.1);
}

// The simulated shadows: a disc lit on one side, dark on the other, the knife edge cutting in.
void Ombres(QPainter& p) {
    p.setPen(Plume(Trait));
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QPainterPath clair;
    clair.addEllipse(QRectF(1.5, 1.5, 13, 13));
    QPainterPath droite;
    droite.addRect(QRectF(8, 0, 8, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(Clair);
    p.drawPath(clair.intersected(droite));
    p.setBrush(Acier);
    p.drawRect(QRectF(0, 6.5, 5, 3));
}

using Dessin = void (*)(QPainter&);
constexpr Dessin Dessins[NombreImages] = {
    Nouveau, Ouvrir,           Enregistrer,    EnregistrerSous,  Imprimer,
    Couper,  Copier,           Coller,         Caracteristiques, FeuilleTravail,
    Mesures, NouvellesMesures, EditionMesures, Bulletin,         Aide,
    Analyse, HistoriqueImage,  Ombres,
};

} // namespace

QPixmap DessineImage(int n, int cote, bool inactive) {
    QPixmap image(cote, cote);
    image.fill(Qt::transparent);
    if (n < 0 || n >= NombreImages) return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, cote > 16);
    p.scale(cote / 16.0, cote / 16.0);
    Dessins[n](p);
    p.end();
    if (inactive) {
        QImage gris = image.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < gris.height(); ++y)
            for (int x = 0; x < gris.width(); ++x) {
                const QColor c = gris.pixelColor(x, y);
                const int v = 128 + qGray(c.rgb()) / 2;
                gris.setPixelColor(x, y, QColor(v, v, v, c.alpha() / 2));
            }
        return QPixmap::fromImage(gris);
    }
    return image;
}

QIcon IconeAction(int n) {
    QIcon icone;
    if (n < 0 || n >= NombreImages) return icone;
    for (int cote : {16, 24}) {
        icone.addPixmap(DessineImage(n, cote), QIcon::Normal);
        icone.addPixmap(DessineImage(n, cote, true), QIcon::Disabled);
    }
    return icone;
}

QPixmap DessineFleche(bool suivante, bool active) {
    QPixmap image(16, 16);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Plume(active ? Acier.darker(140) : QColor(150, 150, 150)));
    p.setBrush(active ? Acier : QColor(205, 205, 205));
    QPolygonF triangle;
    if (suivante)
        triangle << QPointF(2, 12.5) << QPointF(14, 12.5) << QPointF(8, 3);
    else
        triangle << QPointF(2, 3.5) << QPointF(14, 3.5) << QPointF(8, 13);
    p.drawPolygon(triangle);
    return image;
}

} // namespace tarvo
