#include "shell/Logo.h"

#include "shell/CanvasQt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace tarvo {
namespace {

constexpr QPointF Centre{200, 178};
constexpr double RayonBord = 150;    // the blank, its bevel showing
constexpr double RayonMiroir = 142;  // the optical surface
constexpr double DemiOuverture = 22; // half angle of a mask window, in degrees

// Outer radii of the mask zones, as fractions of the mirror's radius: equal areas
// toward the edge, as a zone layout gives them.
constexpr std::array<double, 5> Zones{0.0, 0.36, 0.62, 0.81, 1.0};

QPainterPath Secteur(double r1, double r2, double milieu) {
    const QRectF exterieur(Centre.x() - r2, Centre.y() - r2, 2 * r2, 2 * r2);
    const QRectF interieur(Centre.x() - r1, Centre.y() - r1, 2 * r1, 2 * r1);
    QPainterPath chemin;
    chemin.arcMoveTo(exterieur, milieu - DemiOuverture);
    chemin.arcTo(exterieur, milieu - DemiOuverture, 2 * DemiOuverture);
    if (r1 > 0)
        chemin.arcTo(interieur, milieu + DemiOuverture, -2 * DemiOuverture);
    else
        chemin.lineTo(Centre);
    chemin.closeSubpath();
    return chemin;
}

} // namespace

QImage DessineLogo() {
    QImage image(CoteLogo, CoteLogo, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    // The blank: glass edge in a pale green-grey, then the aluminised surface.
    p.setPen(QPen(QColor(90, 110, 110), 2));
    p.setBrush(QColor(196, 214, 210));
    p.drawEllipse(Centre, RayonBord, RayonBord);
    QRadialGradient argent(Centre + QPointF(-40, -50), RayonMiroir * 1.4);
    argent.setColorAt(0, QColor(250, 252, 255));
    argent.setColorAt(0.55, QColor(198, 206, 216));
    argent.setColorAt(1, QColor(120, 132, 148));
    p.setPen(Qt::NoPen);
    p.setBrush(argent);
    p.drawEllipse(Centre, RayonMiroir, RayonMiroir);

    // The mask: a dark card over the mirror with, for every zone, a window on each side
    // of the horizontal diameter; a thin bridge of card between neighbouring zones.
    QPainterPath carton;
    carton.addEllipse(Centre, RayonMiroir - 1, RayonMiroir - 1);
    QPainterPath fenetres;
    for (std::size_t i = 1; i < Zones.size(); ++i) {
        const double r1 = Zones[i - 1] * RayonMiroir + (i > 1 ? 2.5 : 0.0);
        const double r2 = Zones[i] * RayonMiroir - 2.5;
        fenetres.addPath(Secteur(r1, r2, 0));
        fenetres.addPath(Secteur(r1, r2, 180));
    }
    p.setBrush(QColor(52, 44, 38));
    p.drawPath(carton.subtracted(fenetres));

    // The program's name under the mirror.
    QFont titre(QString::fromLatin1(FamilleArial));
    titre.setPixelSize(34);
    titre.setBold(true);
    titre.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(titre);
    p.setPen(QColor(40, 60, 100));
    p.drawText(QRectF(0, 334, CoteLogo, 40), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("TARVO"));
    return image;
}

} // namespace tarvo
