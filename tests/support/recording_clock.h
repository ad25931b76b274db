#pragma once

#include <chrono>
#include <vector>

#include "device/pause_clock.h"

namespace corvanti::testing {

// A clock that never pauses but keeps every pause it was asked for, so tests run at full speed
// and can still check the pacing of the traffic.
class RecordingClock : public PauseClock {
  public:
    std::vector<std::chrono::milliseconds> pauses;
    void Pause(std::chrono::milliseconds duration) override { pauses.push_back(duration); }
    std::chrono::milliseconds Total() const {
        std::chrono::milliseconds total{0};
        for (auto pause : pauses) {
            total += pause;
        }
        return total;
    }
};

}  // namespace corvanti::testing
