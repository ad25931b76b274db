#include "device/win/high_resolution_pause_clock.h"

#include <timeapi.h>

namespace corvanti {

namespace {

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
constexpr DWORD CREATE_WAITABLE_TIMER_HIGH_RESOLUTION = 0x00000002;
#endif

// The coarse wait ends this long before the deadline; the spin covers the rest and absorbs
// the wait's own lateness, which reaches most of a millisecond on a busy machine (a shorter
// margin made the pauses of a full write about a fifth longer than asked).
constexpr std::chrono::microseconds kSpinMargin{1000};

long long CounterNow() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

}  // namespace

HighResolutionPauseClock::HighResolutionPauseClock()
    : timer_(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                    TIMER_ALL_ACCESS)) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    counter_frequency_ = frequency.QuadPart;
    if (!timer_.valid()) {
        period_raised_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
}

HighResolutionPauseClock::~HighResolutionPauseClock() {
    if (period_raised_) {
        timeEndPeriod(1);
    }
}

void HighResolutionPauseClock::Pause(std::chrono::milliseconds duration) {
    const long long deadline = CounterNow() + duration.count() * counter_frequency_ / 1000;
    if (duration > kSpinMargin) {
        WaitCoarsely(std::chrono::duration_cast<std::chrono::microseconds>(duration) - kSpinMargin);
    }
    while (CounterNow() < deadline) {
        YieldProcessor();
    }
}

void HighResolutionPauseClock::WaitCoarsely(std::chrono::microseconds duration) {
    if (timer_.valid()) {
        LARGE_INTEGER due;
        due.QuadPart = -duration.count() * 10;  // relative, in units of 100 ns
        if (SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE)) {
            // Bounded even if the timer never fires: the spin then finishes the pause.
            const auto bound = static_cast<DWORD>(duration.count() / 1000 + 50);
            WaitForSingleObject(timer_.get(), bound);
            return;
        }
    }
    Sleep(static_cast<DWORD>(duration.count() / 1000));
}

}  // namespace corvanti
