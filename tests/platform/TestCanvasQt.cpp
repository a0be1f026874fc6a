#include "ApplicationQt.h"
#include "pages/commun/EnteteEtPied.h"
#include "shell/CanvasQt.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QStaticText>
#include <QTemporaryDir>

#include <random>

#include <gtest/gtest.h>

namespace tarvo {
namespace {

struct CanvasImage : ::testing::Test {
    CanvasImage() : image(200, 100, QImage::Format_RGB32), canvas(image) {
        test::ApplicationQt();
        image.fill(Qt::white);
    }
    QColor Pixel(int x, int y) {
        canvas.Termine();
        return image.pixelColor(x, y);
    }
    QImage image;
    CanvasQt canvas;
};

TEST_F(CanvasImage, PolicesNormalesA96ppp) {
    EXPECT_EQ(canvas.PixelsParPouce(), 96);
    // The font-scale probe finds normal fonts with Liberation Sans.
    EXPECT_TRUE(SondePolices(canvas));
    const int largeur = canvas.LargeurTexte("Caractéristiques du miroir");
    EXPECT_LE(largeur, 370);
    EXPECT_GE(largeur, 300);
    // Positive heights are cell heights; negative ones character heights.
    EXPECT_EQ(canvas.HauteurTexte("Bp"), 30);
    canvas.FixePolice(Police{"Arial", 16, true});
    EXPECT_EQ(canvas.HauteurTexte("Bp"), 16);
    canvas.FixePolice(Police{"Arial", 14, false});
    EXPECT_EQ(canvas.HauteurTexte("Bp"), 14);
    canvas.FixePolice(Police{"Arial", 11, false});
    EXPECT_EQ(canvas.HauteurTexte("Bp"), 11);
    canvas.FixePolice(Police{"Arial", -13, false});
    EXPECT_EQ(PoliceQt(canvas.PoliceCourante(), image).pixelSize(), 13);
    EXPECT_GT(canvas.HauteurTexte("Bp"), 13);
    // Arial has the widths of the metric-compatible face: digits of 0.556 em.
    canvas.FixePolice(Police{"Arial", -100, true});
    EXPECT_EQ(canvas.LargeurTexte("00000"), 278);
}

TEST_F(CanvasImage, LettresGrecquesDansLaPoliceDuTexte) {
    canvas.FixePolice(Police{"Arial", 16, false});
    const int largeurMu = canvas.LargeurTexte("μ");
    canvas.FixeNomPolice(PoliceSymbol);
    EXPECT_EQ(canvas.LargeurTexte("m"), largeurMu);
    EXPECT_NE(canvas.LargeurTexte("m"), 0);
    canvas.EcritTexte(10, 10, "l");
    // Something is drawn for the letter, and the position moves past it.
    EXPECT_GT(canvas.PositionCourante().X, 10);
    bool encre = false;
    for (int x = 10; x < 22; ++x)
        for (int y = 10; y < 26; ++y)
            encre = encre || Pixel(x, y).lightness() < 128;
    EXPECT_TRUE(encre);
}

TEST_F(CanvasImage, FormesAuPixelPres) {
    canvas.Rectangle(10, 10, 20, 15);
    EXPECT_EQ(Pixel(10, 12), QColor(Qt::black));
    EXPECT_EQ(Pixel(19, 12), QColor(Qt::black));
    EXPECT_EQ(Pixel(20, 12), QColor(Qt::white));
    EXPECT_EQ(Pixel(15, 14), QColor(Qt::black));
    EXPECT_EQ(Pixel(15, 15), QColor(Qt::white));
    EXPECT_EQ(Pixel(15, 12), QColor(Qt::white));

    // A line stops short of its end point and leaves the position there.
    canvas.DeplaceVers(30, 5);
    canvas.TraceVers(40, 5);
    EXPECT_EQ(Pixel(30, 5), QColor(Qt::black));
    EXPECT_EQ(Pixel(39, 5), QColor(Qt::black));
    EXPECT_EQ(Pixel(40, 5), QColor(Qt::white));
    EXPECT_EQ(canvas.PositionCourante(), (Point{40, 5}));

    canvas.FixeCouleurBrosse(Argent);
    canvas.RemplitRectangle(50, 50, 60, 60);
    EXPECT_EQ(Pixel(59, 59), QColor(192, 192, 192));
    EXPECT_EQ(Pixel(60, 59), QColor(Qt::white));

    // No pen: the inside alone, one pixel less each way.
    canvas.FixeStylePlume(StylePlume::Invisible);
    canvas.Rectangle(70, 50, 80, 60);
    EXPECT_EQ(Pixel(70, 50), QColor(192, 192, 192));
    EXPECT_EQ(Pixel(78, 58), QColor(192, 192, 192));
    EXPECT_EQ(Pixel(79, 58), QColor(Qt::white));

    canvas.FixePixel(100, 90, Couleur{10, 20, 30});
    EXPECT_EQ(Pixel(100, 90), QColor(10, 20, 30));
}

// Small ellipses come from a stamp: pixel for pixel what Qt draws, wherever they lie, on
// the edges of the bitmap too, for every pen and brush the stamp takes.
TEST(CanvasEllipses, LeTamponDonneLesPixelsDeQt) {
    test::ApplicationQt();
    const auto qt = [](Couleur c) { return QColor(c.Rouge, c.Vert, c.Bleu); };
    const Plume plumes[] = {{Noir, StylePlume::Plein, 1},
                            {Couleur{200, 0, 0}, StylePlume::Invisible, 1},
                            {Couleur{0, 0, 255}, StylePlume::Plein, 0}};
    const Brosse brosses[] = {{Noir, StyleBrosse::Plein}, {Couleur{0, 160, 0}, StyleBrosse::Vide}};
    QImage attendue(60, 40, QImage::Format_RGB32), dessinee(60, 40, QImage::Format_RGB32);
    for (const Plume& plume : plumes)
        for (const Brosse& brosse : brosses)
            for (const int cote : {1, 2, 5, 7, 12, 32})
                for (const QPoint coin : {QPoint(10, 10), QPoint(-3, 4), QPoint(55, 37)}) {
                    SCOPED_TRACE(std::to_string(cote) + " en " + std::to_string(coin.x()));
                    attendue.fill(Qt::white);
                    dessinee.fill(Qt::white);
                    {
                        QPainter peintre(&attendue);
                        peintre.setPen(plume.Style == StylePlume::Invisible
                                           ? QPen(Qt::NoPen)
                                           : QPen(qt(plume.Teinte), 1));
                        peintre.setBrush(brosse.Style == StyleBrosse::Vide
                                             ? QBrush(Qt::NoBrush)
                                             : QBrush(qt(brosse.Teinte)));
                        for (const int dx : {5, 0})
                            peintre.drawEllipse(QRect(coin.x() + dx, coin.y(), cote - 1, cote - 1));
                    }
                    CanvasQt canvas(dessinee);
                    canvas.FixePlume(plume);
                    canvas.FixeBrosse(brosse);
                    // Twice, as the marks of a graph: the second comes from the stamp.
                    for (const int dx : {5, 0})
                        canvas.Ellipse(coin.x() + dx, coin.y(), coin.x() + dx + cote,
                                       coin.y() + cote);
                    canvas.Termine();
                    EXPECT_EQ(dessinee, attendue);
                }
}

TEST_F(CanvasImage, TexteSurLeFondDeLaBrosse) {
    canvas.FixePolice(Police{"Arial", 16, false});
    canvas.FixeCouleurBrosse(Argent);
    canvas.EcritTexte(100, 40, "i");
    // The cell behind the letter takes the brush; a clear brush leaves the background.
    EXPECT_EQ(Pixel(100, 40), QColor(192, 192, 192));
    canvas.FixeStyleBrosse(StyleBrosse::Vide);
    canvas.EcritTexte(150, 40, "i");
    EXPECT_EQ(Pixel(150, 40), QColor(Qt::white));
}

// The screen's shortcuts (lines and marks of one colour drawn together, texts laid from an
// image of themselves) give Qt's own pixels: a long random drawing, made by the canvas and by
// a painter that draws each primitive at once as Qt does.
TEST(CanvasEcran, LesRaccourcisDonnentLesPixelsDeQt) {
    test::ApplicationQt();
    QImage dessinee(300, 200, QImage::Format_RGB32), attendue(300, 200, QImage::Format_RGB32);
    dessinee.fill(Qt::white);
    attendue.fill(Qt::white);
    CanvasQt canvas(dessinee);
    QPainter peintre(&attendue);
    std::mt19937 alea(7);
    auto tire = [&alea](int n) { return std::uniform_int_distribution<int>(0, n - 1)(alea); };
    const Couleur couleurs[] = {Noir, Couleur{200, 0, 0}, Argent};
    const char* textes[] = {"ε", "12/03/2024", "λ/8", "Série 3", "-0,012"};
    for (int i = 0; i < 3000; ++i) {
        const Couleur teinte = couleurs[tire(2) * tire(3)];
        const Plume plume{teinte, tire(5) == 0 ? StylePlume::Pointille : StylePlume::Plein,
                          1 + tire(4) / 3};
        const Brosse brosse{tire(4) == 0 ? Blanc : teinte,
                            tire(3) == 0 ? StyleBrosse::Vide : StyleBrosse::Plein};
        canvas.FixePlume(plume);
        canvas.FixeBrosse(brosse);
        const QColor qt(teinte.Rouge, teinte.Vert, teinte.Bleu);
        QPen stylo(qt, plume.Largeur, plume.Style == StylePlume::Pointille ? Qt::DotLine
                                                                             : Qt::SolidLine,
                   Qt::FlatCap, Qt::MiterJoin);
        peintre.setPen(stylo);
        peintre.setBrush(brosse.Style == StyleBrosse::Vide
                             ? QBrush(Qt::NoBrush)
                             : QBrush(QColor(brosse.Teinte.Rouge, brosse.Teinte.Vert,
                                             brosse.Teinte.Bleu)));
        const int x = tire(300), y = tire(200), cote = 3 + tire(8);
        switch (tire(10)) {
        case 0: {
            const Police police{"Arial", -(9 + tire(6)), tire(2) == 0};
            const char* texte = textes[tire(5)];
            canvas.FixePolice(police);
            peintre.setFont(PoliceQt(police, attendue));
            // On the cell's fill, or on what lies there.
            if (brosse.Style == StyleBrosse::Plein)
                peintre.fillRect(QRect(x, y, canvas.LargeurTexte(texte), canvas.HauteurTexte(texte)),
                                 peintre.brush().color());
            canvas.EcritTexte(x, y, texte);
            peintre.setPen(Qt::black);
            QStaticText statique(QString::fromUtf8(texte));
            statique.prepare(QTransform(), peintre.font());
            peintre.drawStaticText(QPoint(x, y), statique);
            break;
        }
        case 1:
        case 2:
        case 3:
            canvas.Ellipse(x, y, x + cote, y + cote);
            peintre.drawEllipse(QRect(x, y, cote - 1, cote - 1));
            break;
        default: {
            const int x2 = x + tire(41) - 20, y2 = y + tire(41) - 20;
            canvas.DeplaceVers(x, y);
            canvas.TraceVers(x2, y2);
            peintre.drawLine(x, y, x2, y2);
        }
        }
    }
    canvas.Termine();
    peintre.end();
    EXPECT_EQ(dessinee, attendue);
}

TEST(CanvasImprimante, TaillesEnPoints) {
    test::ApplicationQt();
    QTemporaryDir dossier;
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(dossier.filePath("essai.pdf"));
    imprimante.setResolution(600);
    CanvasQt canvas(imprimante);
    ASSERT_TRUE(canvas.Actif());
    EXPECT_EQ(canvas.PixelsParPouce(), 600);
    EXPECT_GT(canvas.Largeur(), 4000);
    canvas.FixeTaillePolice(10);
    EXPECT_EQ(canvas.PoliceCourante().Hauteur, -83);
    // 83 px of em make a cell of about 93 px in this face.
    EXPECT_NEAR(canvas.HauteurTexte("Hp"), 93, 2);
    canvas.EcritTexte(100, 100, "Essai");
    canvas.Termine();
    EXPECT_GT(QFileInfo(dossier.filePath("essai.pdf")).size(), 500);
}

} // namespace
} // namespace tarvo
