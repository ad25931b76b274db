#include "device/real_pause_clock.h"

#include <thread>

namespace corvanti {

void RealPauseClock::Pause(std::chrono::milliseconds duration) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + duration;
    if (duration > kSpinMargin) {
        std::this_thread::sleep_until(deadline - kSpinMargin);
    }
    while (Clock::now() < deadline) {
    }
}

}  // namespace corvanti
