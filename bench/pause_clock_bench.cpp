// Runs the pause schedule of one full write to the mouse (36 pauses of 2 ms between commands,
// 59 of 3 ms after data reports: 249 ms) on the clock that really pauses, and prints how far
// the real time strays from it.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#ifdef _WIN32
#include "device/win/high_resolution_pause_clock.h"
#else
#include "device/real_pause_clock.h"
#endif

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr int kCommandPauses = 36;
constexpr int kDataReportPauses = 59;
constexpr double kScheduleMs = kCommandPauses * 2.0 + kDataReportPauses * 3.0;
constexpr int kRuns = 10;

double RunSchedule(corvanti::PauseClock& clock) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCommandPauses; ++i) {
        clock.Pause(std::chrono::milliseconds(2));
    }
    for (int i = 0; i < kDataReportPauses; ++i) {
        clock.Pause(std::chrono::milliseconds(3));
    }
    return Milliseconds(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
#ifdef _WIN32
    corvanti::HighResolutionPauseClock clock;
    const char* clock_name = clock.uses_high_resolution_timer()
                                 ? "high-resolution waitable timer + spin"
                                 : "1 ms timer period + spin";
#else
    corvanti::RealPauseClock clock;
    const char* clock_name = "sleep + spin";
#endif
    std::vector<double> runs;
    for (int run = 0; run < kRuns; ++run) {
        runs.push_back(RunSchedule(clock));
    }
    std::sort(runs.begin(), runs.end());
    double sum = 0;
    for (const double ms : runs) {
        sum += ms;
    }
    const double mean = sum / kRuns;
    constexpr int kPauses = kCommandPauses + kDataReportPauses;
    std::printf("Pause schedule of one Apply (%d pauses, %.0f ms), %d runs, clock: %s\n", kPauses,
                kScheduleMs, kRuns, clock_name);
    std::printf("  wall time: min %.2f ms, median %.2f ms, mean %.2f ms, max %.2f ms\n",
                runs.front(), runs[runs.size() / 2], mean, runs.back());
    std::printf("  mean lateness per pause: %.1f us\n", (mean - kScheduleMs) * 1000.0 / kPauses);
    std::printf("  ratio to the schedule (mean): %.3f (target <= 1.10)\n", mean / kScheduleMs);
    return 0;
}
