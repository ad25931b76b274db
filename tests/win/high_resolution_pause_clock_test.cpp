#include "device/win/high_resolution_pause_clock.h"

#include <gtest/gtest.h>

#include "support/pause_clock_contract.h"

namespace corvanti {
namespace {

TEST(HighResolutionPauseClockTest, NeverPausesLessThanAsked) {
    HighResolutionPauseClock clock;
    testing::ExpectNeverPausesLessThanAsked(clock);
}

}  // namespace
}  // namespace corvanti
