#pragma once

#include "platform/CalculsDeFond.h"

#include <functional>
#include <map>
#include <utility>

namespace tarvo {

// The background work of the page: a page has one thread, so the work runs once the page
// waits for the user again (the script calls `Execute` back from its event loop), then its
// end, then `apres` (the page repainted). Only the last work launched is sure to run.
class CalculsWeb final : public CalculsDeFond {
  public:
    explicit CalculsWeb(std::function<void()> apres) : apres_(std::move(apres)) {}
    void Lance(std::function<void()> travail, std::function<void()> termine) override;
    // The work of `jeton`, now.
    void Execute(int jeton);

  private:
    std::function<void()> apres_;
    int dernier_ = 0;
    std::map<int, std::pair<std::function<void()>, std::function<void()>>> enAttente_;
};

} // namespace tarvo
