#pragma once

// The page surface of the benchmarks drawn through the Qt canvas, as the window draws: the
// page bitmap and the graph images on QImages, the rest recorded by the test surface.

#include "shell/CanvasQt.h"
#include "support/SurfaceFactice.h"

#include <QGuiApplication>
#include <QImage>

#include <map>
#include <memory>

namespace tarvo::bench {

struct SurfaceQt : test::SurfaceFactice {
    SurfaceQt() : bitmap(1000, 2000, QImage::Format_RGB32), canvas(bitmap) {}
    Canvas& CanvasFenetre() override { return canvas; }
    // The graph images as the window keeps them: a bitmap of the control's size.
    Canvas* CanvasImage(Controle c) override {
        const EtatControle& e = Controles[c];
        Image& image = images[c];
        if (!image.canvas || image.bitmap.width() != e.Largeur ||
            image.bitmap.height() != e.Hauteur) {
            image.canvas.reset();
            image.bitmap =
                QImage(std::max(e.Largeur, 1), std::max(e.Hauteur, 1), QImage::Format_RGB32);
            image.canvas = std::make_unique<CanvasQt>(image.bitmap);
        }
        return image.canvas.get();
    }
    void Termine() {
        canvas.Termine();
        for (auto& [c, image] : images)
            if (image.canvas) image.canvas->Termine();
    }
    struct Image {
        QImage bitmap;
        std::unique_ptr<CanvasQt> canvas;
    };
    QImage bitmap;
    CanvasQt canvas;
    std::map<Controle, Image> images;
};


// One graphical application for the whole benchmark, on the offscreen platform.
inline QGuiApplication& Application() {
    static int argc = 3;
    static char nom[] = "bench_pages";
    static char option[] = "-platform";
    static char plateforme[] = "offscreen";
    static char* argv[] = {nom, option, plateforme, nullptr};
    static QGuiApplication application(argc, argv);
    return application;
}

} // namespace tarvo::bench
