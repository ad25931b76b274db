#include "device/real_pause_clock.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

// The pauses between commands are minimums the mouse relies on: never shorter.
TEST(RealPauseClockTest, NeverPausesLessThanAsked) {
    RealPauseClock clock;
    for (const auto duration : {std::chrono::milliseconds(0), std::chrono::milliseconds(1),
                                std::chrono::milliseconds(2), std::chrono::milliseconds(5)}) {
        const auto start = std::chrono::steady_clock::now();
        clock.Pause(duration);
        EXPECT_GE(std::chrono::steady_clock::now() - start, duration);
    }
}

}  // namespace
}  // namespace corvanti
