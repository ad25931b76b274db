#pragma once

#include <chrono>

#include "device/pause_clock.h"

namespace corvanti {

// A clock that really pauses, ending each pause within a few microseconds of its deadline: it
// sleeps for most of the pause and spins through the last stretch, because a plain sleep
// overshoots by scheduler latency, and that adds up over the many short pauses of a full
// write to the mouse. Never pauses less than asked.
class RealPauseClock : public PauseClock {
  public:
    // How long before the deadline the sleep ends and the spin takes over.
    static constexpr std::chrono::microseconds kSpinMargin{300};

    void Pause(std::chrono::milliseconds duration) override;
};

}  // namespace corvanti
