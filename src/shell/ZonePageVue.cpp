// The viewport of the page area: its sizes as the program counts them, the scroll bars,
// resizing and the wheel.
#include "shell/ZonePage.h"

#include "app/Programme.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>

#include <algorithm>

namespace tarvo {

int ZonePage::HauteurClient() {
    const int menu = Principale_.menuBar() ? Principale_.menuBar()->height() : 0;
    return Principale_.height() - menu;
}

int ZonePage::LargeurClient() {
    return Principale_.width();
}

int ZonePage::HauteurBarreEtat() {
    const QStatusBar* etat = Principale_.statusBar();
    return etat->isVisibleTo(&Principale_) ? etat->height() : 0;
}

int ZonePage::HautCadre() {
    return Fiche->y() + HauteurBarreOutils();
}

int ZonePage::GaucheCadre() {
    return Fiche->x();
}

int ZonePage::HauteurCadre() {
    return Fiche->height();
}

int ZonePage::LargeurCadre() {
    return Fiche->width();
}

void ZonePage::FixeHautCadre(int haut) {
    Fiche->move(Fiche->x(), haut - HauteurBarreOutils());
}

void ZonePage::FixeGaucheCadre(int gauche) {
    Fiche->move(gauche, Fiche->y());
}

void ZonePage::AppliqueBarre(Sens sens, const BarreDefilement& barre) {
    QScrollBar* b = sens == Sens::Vertical ? VerticalBar : HorizontalBar;
    const QSignalBlocker bloque(b);
    // The thumb is a page long and stops where position + page reaches 100.
    const int page = std::clamp(barre.TaillePage, 0, 100);
    b->setPageStep(std::max(page, 1));
    b->setRange(0, std::max(0, 100 - page));
    b->setValue(barre.Position);
    if (b->isVisibleTo(this) != barre.Visible) {
        b->setVisible(barre.Visible);
        PlaceBarres();
    }
}

void ZonePage::BarreActionnee(Sens sens, int action) {
    if (!Programme_) return;
    QScrollBar* b = sens == Sens::Vertical ? VerticalBar : HorizontalBar;
    // A click in the trough moves by the bar's large change, not by its page.
    if (action == QAbstractSlider::SliderPageStepAdd ||
        action == QAbstractSlider::SliderPageStepSub) {
        const int pas = Programme_->vue.Barre(sens).GrandPas;
        b->setSliderPosition(b->value() +
                             (action == QAbstractSlider::SliderPageStepAdd ? pas : -pas));
    }
}

void ZonePage::PlaceBarres() {
    const bool horizontale = HorizontalBar->isVisibleTo(this);
    const int bas = height() - (horizontale ? EpaisseurBarre : 0);
    VerticalBar->setGeometry(width() - EpaisseurBarre, 0, EpaisseurBarre, std::max(bas, 0));
    HorizontalBar->setGeometry(0, height() - EpaisseurBarre, width(), EpaisseurBarre);
    VerticalBar->raise();
    HorizontalBar->raise();
    Bouton_Annuler->raise();
}

void ZonePage::resizeEvent(QResizeEvent*) {
    PlaceBarres();
    if (Programme_) Programme_->vue.FormResize();
}

void ZonePage::wheelEvent(QWheelEvent* evenement) {
    if (!Programme_ || !VerticalBar->isVisibleTo(this)) return;
    // Three lines of the bar per notch of the wheel.
    const int crans = evenement->angleDelta().y() / 120;
    if (crans != 0)
        Programme_->vue.DeplaceBarre(Sens::Vertical,
                                     Programme_->vue.Barre(Sens::Vertical).Position - 3 * crans);
    evenement->accept();
}

} // namespace tarvo
