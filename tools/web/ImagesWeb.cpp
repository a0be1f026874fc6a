// Writes the pictures of the web page, drawn by the desktop's own code so that the page shows
// the same pixels as the window:
//   tarvo_images_web DOSSIER
// gives in DOSSIER
//   action-N.png, action-N@2x.png  every toolbar and menu image of the actions, 16 and 32 px;
//   fleche-{haut,bas}-{relache,neutre}.png  the series arrows, next (haut) and previous (bas);
//   logo.png  the logo at the size the characteristics page shows it;
//   icone-192.png, icone-512.png  the page's application icons.

#include "app/Actions.h"
#include "shell/Icones.h"
#include "shell/Logo.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <cstdio>
#include <set>

namespace {

bool Ecrit(const QImage& image, const QString& fichier) {
    if (image.save(fichier, "PNG")) return true;
    std::fprintf(stderr, "Impossible d'écrire %s\n", qPrintable(fichier));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage : tarvo_images_web DOSSIER\n", stderr);
        return 2;
    }
    const QString dossier = QString::fromLocal8Bit(argv[1]);
    // The pixmaps and the text of the images need a graphical application; a build has no
    // display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (!QDir().mkpath(dossier)) {
        std::fprintf(stderr, "Impossible de créer %s\n", qPrintable(dossier));
        return 1;
    }
    bool ecrit = true;

    // Only the images an action shows: the table of actions says which.
    std::set<int> images;
    for (std::size_t a = 0; a < tarvo::NombreActions; ++a) {
        const int n = tarvo::Description(static_cast<tarvo::Action>(a)).Image;
        if (n >= 0) images.insert(n);
    }
    for (const int n : images) {
        const QString nom = dossier + "/action-" + QString::number(n);
        // 16 px as the toolbar shows them; 32 px, drawn afresh, for a screen of twice the density.
        ecrit &= Ecrit(tarvo::DessineImage(n, 16).toImage(), nom + ".png");
        ecrit &= Ecrit(tarvo::DessineImage(n, 32).toImage(), nom + "@2x.png");
    }

    // The controls of the series page: UpRelache, UpNeutre, DownRelache, DownNeutre.
    for (const bool suivante : {true, false})
        for (const bool active : {true, false}) {
            const QString nom = QString("/fleche-") + (suivante ? "haut" : "bas") +
                                (active ? "-relache" : "-neutre") + ".png";
            ecrit &= Ecrit(tarvo::DessineFleche(suivante, active).toImage(), dossier + nom);
        }

    const QImage logo = tarvo::DessineLogo();
    ecrit &= Ecrit(logo, dossier + "/logo.png");
    // Smoothly scaled, as the window's own icon is.
    for (const int cote : {192, 512})
        ecrit &= Ecrit(logo.scaled(cote, cote, Qt::KeepAspectRatio, Qt::SmoothTransformation),
                       dossier + "/icone-" + QString::number(cote) + ".png");
    return ecrit ? 0 : 1;
}
