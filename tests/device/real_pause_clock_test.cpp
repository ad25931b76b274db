#include "device/real_pause_clock.h"

#include <gtest/gtest.h>

#include "support/pause_clock_contract.h"

namespace corvanti {
namespace {

TEST(RealPauseClockTest, NeverPausesLessThanAsked) {
    RealPauseClock clock;
    testing::ExpectNeverPausesLessThanAsked(clock);
}

}  // namespace
}  // namespace corvanti
