#pragma once

#include <chrono>

namespace corvanti {

// The fixed pauses that pace device traffic go through this seam, so tests can record the
// schedule instead of sleeping.
class PauseClock {
  public:
    virtual ~PauseClock() = default;
    // Blocks the calling thread for `duration` (as close as the platform allows).
    virtual void Pause(std::chrono::milliseconds duration) = 0;
};

}  // namespace corvanti
