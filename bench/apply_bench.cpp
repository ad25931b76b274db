// Runs the whole Apply sequence against the simulated mouse with a clock that really pauses,
// and prints how long each run took against the 249 ms of pauses the sequence asks for.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "device/apply_sequence.h"
#include "device/device_acceptance.h"
#include "device/device_commands.h"
#include "device/packet_transport.h"
#include "profile/profile_record.h"
#include "sim/simulated_mouse.h"

#ifdef _WIN32
#include "device/win/high_resolution_pause_clock.h"
#else
#include "device/real_pause_clock.h"
#endif

namespace {

using namespace corvanti;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr double kScheduledPausesMs = 249.0;
constexpr int kRuns = 10;

class Quiet : public UserMessages, public TraceSink, public DeviceEventSink {
  public:
    void ShowMessage(std::string_view, std::string_view) override {}
    void Trace(std::string_view) override {}
    void Deliver(DeviceEventCode, std::uint8_t) override {}
};

class NoFiles : public ApplyPersistence {
  public:
    void SaveProfile() override {}
    void WriteCaptions() override {}
};

ProfileRecord BenchProfile() {
    ProfileRecord profile;
    ApplyDefaultKeyLayout(profile);
    profile.set_report_rate_code(1);
    profile.set_lighting_mode(2);
    profile.set_respiration_effect(2);
    for (std::size_t block = 0; block < kMacroBlockCount; ++block) {
        profile.macro_block(block)[0] = static_cast<std::uint8_t>(block + 1);
    }
    return profile;
}

}  // namespace

int main() {
#ifdef _WIN32
    HighResolutionPauseClock clock;
    const char* clock_name = clock.uses_high_resolution_timer()
                                 ? "high-resolution waitable timer + spin"
                                 : "1 ms timer period + spin";
#else
    RealPauseClock clock;
    const char* clock_name = "sleep + spin";
#endif
    std::string error;
    const auto mouse = SimulatedMouse::Create({}, error);
    if (!mouse) {
        std::fprintf(stderr, "simulated mouse: %s\n", error.c_str());
        return 1;
    }
    Quiet quiet;
    LinkState link;
    DeviceMirror mirror;
    PacketTransport transport(link, clock);
    DeviceCommands commands(transport, mirror, clock, quiet);
    NoFiles files;
    DeviceLink device{link, *mouse, transport, commands, clock, quiet, quiet, quiet};
    if (AcceptMouse(device) != MouseAcceptance::Accepted) {
        std::fprintf(stderr, "the simulated mouse was not accepted\n");
        return 1;
    }

    const ProfileRecord profile = BenchProfile();
    std::vector<double> runs;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        RunApply(profile, commands, files);
        runs.push_back(Milliseconds(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(runs.begin(), runs.end());
    double sum = 0;
    for (const double ms : runs) {
        sum += ms;
    }
    const double mean = sum / static_cast<double>(runs.size());
    std::printf("Apply against the simulated mouse, %d runs, clock: %s\n", kRuns, clock_name);
    std::printf("  pauses the sequence asks for: %.1f ms\n", kScheduledPausesMs);
    std::printf("  wall time: min %.2f ms, median %.2f ms, mean %.2f ms, max %.2f ms\n",
                runs.front(), runs[runs.size() / 2], mean, runs.back());
    std::printf("  ratio to the pauses (mean): %.3f (target <= 1.10)\n", mean / kScheduledPausesMs);
    return 0;
}
