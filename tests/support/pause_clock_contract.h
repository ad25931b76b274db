#pragma once

#include <chrono>

#include <gtest/gtest.h>

#include "device/pause_clock.h"

namespace corvanti::testing {

// The pauses between commands are minimums the mouse relies on: a clock may overshoot a little,
// but never pause for less than it was asked.
inline void ExpectNeverPausesLessThanAsked(PauseClock& clock) {
    for (const auto duration : {std::chrono::milliseconds(0), std::chrono::milliseconds(1),
                                std::chrono::milliseconds(2), std::chrono::milliseconds(5)}) {
        const auto start = std::chrono::steady_clock::now();
        clock.Pause(duration);
        EXPECT_GE(std::chrono::steady_clock::now() - start, duration);
    }
}

}  // namespace corvanti::testing
