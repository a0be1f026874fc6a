#pragma once

#include <functional>

namespace tarvo {

// Work too long for a redraw, done away from the interface thread.
class CalculsDeFond {
  public:
    virtual ~CalculsDeFond() = default;
    // Runs `travail` on another thread, then `termine` on the interface thread once `travail`
    // has returned, at a moment when the program waits for the user (never inside a dialog).
    // The two share only what they capture. `termine` is not run once the service is gone,
    // and work launched earlier that has not started yet may be dropped: only the last one
    // launched is sure to run.
    virtual void Lance(std::function<void()> travail, std::function<void()> termine) = 0;
};

} // namespace tarvo
