#include "ApplicationQt.h"
#include "cli/DialoguesEnregistres.h"
#include "cli/Ouverture.h"
#include "document/Document.h"
#include "posix/FichiersPosix.h"
#include "shell/RenduSansFenetre.h"
#include "support/SystemeFixe.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <set>

#include <gtest/gtest.h>

namespace tarvo {
namespace {

struct Rendu : ::testing::Test {
    Rendu() {
        test::ApplicationQt();
        InitialiseDocument(doc, systeme.Jour);
        doc.Intitule = "Miroir de 200";
        doc.Diametre = doc.DiametreSerie = 200;
        doc.Focale = doc.FocaleSerie = 1200;
        doc.Epaisseur = 33;
        doc.NombreZones = 4;
        for (int i = 1; i <= 4; ++i)
            doc.Zones[static_cast<std::size_t>(i)][RayonExterieur] = 25.0 * i;
    }
    std::string Chemin(const char* nom) { return dossier.filePath(nom).toStdString(); }
    static bool Sombre(const QImage& image, int x, int y) {
        return image.pixelColor(x, y).lightness() < 100;
    }

    QTemporaryDir dossier;
    Document doc;
    test::SystemeFixe systeme;
};

TEST_F(Rendu, PageAlEcran) {
    const ResultatRendu r =
        RendPageSansFenetre(doc, systeme, "caracteristiques", FormatRendu::Png, Chemin("p.png"));
    ASSERT_TRUE(r.Reussi) << r.Message;
    QImage image(QString::fromStdString(Chemin("p.png")));
    // The frame: the page's 545 px, down to the table (34 + 8 lines of 24 + 39) and the
    // logo's 400 px.
    ASSERT_EQ(image.width(), 545);
    ASSERT_EQ(image.height(), 265 + 400);
    // The name box (67, 30, 540, 52): its edges drawn, its inside white where no text is.
    EXPECT_TRUE(Sombre(image, 67, 41));
    EXPECT_TRUE(Sombre(image, 539, 41));
    EXPECT_TRUE(Sombre(image, 400, 30));
    EXPECT_TRUE(Sombre(image, 400, 51));
    EXPECT_EQ(image.pixelColor(400, 41), QColor(Qt::white));
    // The fixed frame around the shape buttons.
    EXPECT_TRUE(Sombre(image, 150, 152));
    EXPECT_TRUE(Sombre(image, 251, 160));
    // The checked button's dot (the parabolic one, right after "Forme "), and the empty
    // mark of the other one, 105 px to the right.
    int xMarque = 0;
    for (int x = 60; x < 80 && xMarque == 0; ++x)
        if (image.pixelColor(x, 158 + 8).lightness() < 200) xMarque = x;
    ASSERT_GT(xMarque, 0);
    EXPECT_TRUE(Sombre(image, xMarque + 6, 158 + 8));
    EXPECT_EQ(image.pixelColor(xMarque + 105 + 6, 158 + 8), QColor(Qt::white));
    // The logo under the table: the mirror's centre row is not white.
    int couleurs = 0;
    for (int x = 100; x < 450; x += 10)
        if (image.pixelColor(x, 285 + 178) != QColor(Qt::white)) ++couleurs;
    EXPECT_GT(couleurs, 20);
}

TEST_F(Rendu, PageSurPapier) {
    const ResultatRendu r =
        RendPageSansFenetre(doc, systeme, "Caractéristiques", FormatRendu::Pdf, Chemin("p.pdf"));
    ASSERT_TRUE(r.Reussi) << r.Message;
    QFile pdf(QString::fromStdString(Chemin("p.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray contenu = pdf.readAll();
    EXPECT_TRUE(contenu.startsWith("%PDF"));
    EXPECT_EQ(contenu.count("/Type /Page\n") + contenu.count("/Type /Page>>") +
                  contenu.count("/Type /Page "),
              1);
    // The drawing did not change the document beyond its derived radius.
    EXPECT_DOUBLE_EQ(doc.RayonCourbure, 2400);
}

// The report as a user sees it: the graphs and the memo laid on the page, the curves
// drawn in the ten shades of their anti-aliasing.
TEST_F(Rendu, BulletinAvecSesGraphesEtSonCommentaire) {
    Document exemple;
    FichiersPosix fichiers;
    DialoguesEnregistres dialogues;
    ASSERT_TRUE(OuvreDocumentSansFenetre(
        exemple, std::string(TARVO_SOURCE_DIR) + "/examples/miroir-200-f6.bdc", systeme.Jour,
        std::nullopt, fichiers, dialogues));
    ResultatRendu r =
        RendPageSansFenetre(exemple, systeme, "bulletin", FormatRendu::Png, Chemin("b.png"));
    ASSERT_TRUE(r.Reussi) << r.Message;
    const QImage image(QString::fromStdString(Chemin("b.png")));
    // Taller than a screen page of 1000 px: the memo at the bottom is there, framed.
    ASSERT_GT(image.height(), 1000);
    int bordNote = 0;
    for (int y = image.height() - 1; y > image.height() - 80 && bordNote == 0; --y)
        if (image.pixelColor(300, y).lightness() < 160) bordNote = y;
    EXPECT_GT(bordNote, 0);
    // Greys between white and black along the curves, besides the plain lines.
    std::set<int> gris;
    for (int y = 300; y < image.height() - 80; ++y)
        for (int x = 21; x < image.width() - 1; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() == c.green() && c.green() == c.blue() && c.red() > 0 && c.red() < 255)
                gris.insert(c.red());
        }
    EXPECT_GE(gris.size(), 8u);

    r = RendPageSansFenetre(exemple, systeme, "bulletin", FormatRendu::Pdf, Chemin("b.pdf"));
    ASSERT_TRUE(r.Reussi) << r.Message;
    QFile pdf(QString::fromStdString(Chemin("b.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray contenu = pdf.readAll();
    EXPECT_EQ(contenu.count("/Type /Page\n") + contenu.count("/Type /Page>>") +
                  contenu.count("/Type /Page "),
              1);
}

TEST_F(Rendu, PagesRefusees) {
    ResultatRendu r =
        RendPageSansFenetre(doc, systeme, "accueil", FormatRendu::Png, Chemin("a.png"));
    EXPECT_FALSE(r.Reussi);
    EXPECT_EQ(r.Message,
              "Page inconnue : « accueil » (caracteristiques, feuille, mesures, nouvellesmesures, "
              "editionmesures, bulletin, analyse, historique, ombres ou masque).");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Chemin("a.png"))));
    r = RendPageSansFenetre(doc, systeme, "caracteristiques", FormatRendu::Png,
                            "/dossier/absent/p.png");
    EXPECT_FALSE(r.Reussi);
    EXPECT_EQ(r.Message, "Impossible d'écrire le fichier PNG « /dossier/absent/p.png » : son "
                         "dossier n'existe pas.");
    r = RendPageSansFenetre(doc, systeme, "caracteristiques", FormatRendu::Pdf,
                            "/dossier/absent/p.pdf");
    EXPECT_EQ(r.Message, "Impossible d'écrire le fichier PDF « /dossier/absent/p.pdf » : son "
                         "dossier n'existe pas.");
}

// The mask: paper only, on a sheet of its exact size in points; a mirror that has none writes
// nothing and says why.
TEST_F(Rendu, MasqueATailleReelle) {
    const struct {
        const char* Nom;
        double Diametre;
        FormatRendu Format;
        const char* MediaBox; // none: refused
        std::string Message;
    } cas[] = {
        {"200 mm", 200, FormatRendu::Pdf, "/MediaBox [0 0 842.000000 1191.000000]", ""},
        {"120 mm", 120, FormatRendu::Pdf, "/MediaBox [0 0 595.000000 842.000000]", ""},
        {"en PNG", 200, FormatRendu::Png, nullptr,
         "Le masque de Couder ne se dessine qu'en PDF (--pdf), à taille réelle."},
        {"sans diamètre", 0, FormatRendu::Pdf, nullptr,
         "Le masque de Couder ne peut pas être dessiné : Le diamètre de la série et ses zones ne "
         "décrivent pas de masque."},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.Nom);
        doc.DiametreSerie = c.Diametre;
        for (int i = 1; i <= 3; ++i)
            doc.Zones[static_cast<std::size_t>(i)][RayonExterieur] = c.Diametre / 8 * i;
        const std::string sortie = Chemin(c.Nom);
        const ResultatRendu r = RendPageSansFenetre(doc, systeme, "masque", c.Format, sortie);
        EXPECT_EQ(r.Reussi, c.MediaBox != nullptr);
        EXPECT_EQ(r.Message, c.Message);
        QFile pdf(QString::fromStdString(sortie));
        if (!c.MediaBox) {
            EXPECT_FALSE(pdf.exists());
            continue;
        }
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(pdf.readAll().contains(c.MediaBox));
    }
}

} // namespace
} // namespace tarvo
