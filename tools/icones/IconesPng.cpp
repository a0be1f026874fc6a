// Writes the program's logo, as the program draws it, as the PNG icons of the desktop.
//   tarvo_icones DOSSIER NOM TAILLE...
// gives DOSSIER/TAILLExTAILLE/apps/NOM.png for every size, the folders of an icon theme.

#include "shell/Logo.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fputs("usage : tarvo_icones DOSSIER NOM TAILLE...\n", stderr);
        return 2;
    }
    const QString dossier = QString::fromLocal8Bit(argv[1]);
    const QString nom = QString::fromLocal8Bit(argv[2]);
    std::vector<int> tailles;
    for (int i = 3; i < argc; ++i) {
        bool nombre = false;
        const int taille = QString::fromLocal8Bit(argv[i]).toInt(&nombre);
        if (!nombre || taille <= 0 || taille > tarvo::CoteLogo) {
            std::fprintf(stderr, "Taille incorrecte : %s\n", argv[i]);
            return 2;
        }
        tailles.push_back(taille);
    }

    // The text of the logo needs a graphical application; a build has no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QImage logo = tarvo::DessineLogo();
    for (const int taille : tailles) {
        const QString cote = QString::number(taille);
        const QString sousDossier = dossier + "/" + cote + "x" + cote + "/apps";
        const QString fichier = sousDossier + "/" + nom + ".png";
        // Area averaging from the full-size drawing keeps the thin bridges of the mask.
        const QImage icone =
            logo.scaled(taille, taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!QDir().mkpath(sousDossier) || !icone.save(fichier, "PNG")) {
            std::fprintf(stderr, "Impossible d'écrire %s\n", qPrintable(fichier));
            return 1;
        }
    }
    return 0;
}
