#pragma once

#include <chrono>

#include "common/win/handle_owners.h"
#include "device/pause_clock.h"

namespace corvanti {

// A pause clock for Windows. The default timer tick (about 15.6 ms) would stretch every 2 ms
// pause between commands to a whole tick, so it waits on a high-resolution waitable timer
// when the system offers one, otherwise on Sleep with the timer period raised to 1 ms, and
// spins on the performance counter through the last stretch. Never pauses less than asked.
class HighResolutionPauseClock : public PauseClock {
  public:
    HighResolutionPauseClock();
    ~HighResolutionPauseClock() override;
    HighResolutionPauseClock(const HighResolutionPauseClock&) = delete;
    HighResolutionPauseClock& operator=(const HighResolutionPauseClock&) = delete;

    void Pause(std::chrono::milliseconds duration) override;

    // Which wait it uses, for the benchmark's report.
    bool uses_high_resolution_timer() const { return timer_.valid(); }

  private:
    void WaitCoarsely(std::chrono::microseconds duration);

    win::UniqueHandle timer_;
    bool period_raised_ = false;
    long long counter_frequency_ = 1;
};

}  // namespace corvanti
