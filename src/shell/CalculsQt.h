#pragma once

#include "platform/CalculsDeFond.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>

namespace tarvo {

// The background work of the window on a pool of one thread of its own. `apres` runs on the
// interface thread after each `termine` (the window repaints its page). While a dialog is
// open, `termine` waits until it is closed, so that no page is drawn under a dialog or
// inside a print job.
class CalculsQt final : public QObject, public CalculsDeFond {
    Q_OBJECT
  public:
    explicit CalculsQt(std::function<void()> apres);
    // Waits for the work that runs; the work queued is dropped, no `termine` runs.
    ~CalculsQt() override;

    void Lance(std::function<void()> travail, std::function<void()> termine) override;
    // Waits until the work launched so far is done and its `termine` has run (tests).
    void AttendFin();

  private:
    void Termine(const std::function<void()>& termine);

    std::function<void()> Apres;
    // Number of the last work launched, read by the pool's thread.
    std::atomic<int> Derniere = 0;
    int EnAttente = 0;
    // Last: destroyed first, so that its thread is done before the rest goes.
    QThreadPool Pool;
};

} // namespace tarvo
