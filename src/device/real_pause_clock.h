#pragma once

#include <chrono>

#include "device/pause_clock.h"

namespace corvanti {

// A clock that really pauses, ending each pause close to its deadline: it sleeps for most of
// the pause and busy-waits through the last stretch, because a plain sleep overshoots by the
// scheduler's wake-up latency, and that adds up over the many short pauses of a full write to
// the mouse. The stretch is kept short and does not yield: a thread that yields while other
// work is waiting loses the processor for a whole time slice. Never pauses less than asked.
class RealPauseClock : public PauseClock {
  public:
    // How long before the deadline the sleep ends and the spin takes over.
    static constexpr std::chrono::microseconds kSpinMargin{100};

    void Pause(std::chrono::milliseconds duration) override;
};

}  // namespace corvanti
