#include "shell/CalculsQt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

namespace tarvo {

namespace {

// How often a result waiting for a dialog to close looks again.
constexpr int AttenteDialogueMs = 100;

} // namespace

CalculsQt::CalculsQt(std::function<void()> apres) : Apres(std::move(apres)) {
    Pool.setMaxThreadCount(1);
}

CalculsQt::~CalculsQt() {
    ++Derniere;
    Pool.waitForDone();
}

void CalculsQt::Lance(std::function<void()> travail, std::function<void()> termine) {
    const int numero = ++Derniere;
    ++EnAttente;
    Pool.start([this, numero, travail = std::move(travail), termine = std::move(termine)] {
        // Only the last work matters: one overtaken before it started is dropped.
        const bool utile = numero == Derniere;
        if (utile) travail();
        // `this` is the context: once it is gone the call is dropped.
        QMetaObject::invokeMethod(
            this,
            [this, utile, termine] {
                if (utile)
                    Termine(termine);
                else
                    --EnAttente;
            },
            Qt::QueuedConnection);
    });
}

void CalculsQt::Termine(const std::function<void()>& termine) {
    if (QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget()) {
        QTimer::singleShot(AttenteDialogueMs, this, [this, termine] { Termine(termine); });
        return;
    }
    --EnAttente;
    termine();
    if (Apres) Apres();
}

void CalculsQt::AttendFin() {
    Pool.waitForDone();
    while (EnAttente > 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace tarvo
