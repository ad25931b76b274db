#include "app/win/mouse_backend.h"

#include <filesystem>
#include <string>

#include "common/text_encoding.h"
#include "device/win/hid_backend.h"
#include "device/win/high_resolution_pause_clock.h"
#include "sim/simulated_mouse.h"

namespace corvanti::win {
namespace {

// What the program sees when the simulated mouse it was asked for cannot be had: no
// interfaces, so the mouse reads as not detected.
class NoInterfaces final : public HidDiscovery {
  public:
    bool ListInterfaces(std::vector<HidInterfaceInfo>&) override { return false; }
    std::unique_ptr<HidCollection> Open(const std::string&, OpenPurpose) override {
        return nullptr;
    }
};

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(Utf8ToWide(utf8));
}

}  // namespace

std::shared_ptr<HidDiscovery> MakeHidDiscovery(const ProgramOptions& options, TraceSink& trace) {
    if (!options.uses_simulated_mouse()) {
        return std::make_shared<WindowsHidDiscovery>();
    }
    SimulatedMouseOptions simulated;
    simulated.state_path = PathOf(options.simulated_mouse_state);
    if (!options.traffic_log.empty()) {
        simulated.traffic_log_path = PathOf(options.traffic_log);
    }
    std::string error;
    auto mouse = SimulatedMouse::Create(simulated, error);
    if (!mouse) {
        trace.Trace("simulated mouse unavailable: " + error);
        return std::make_shared<NoInterfaces>();
    }
    trace.Trace("simulated mouse: " + options.simulated_mouse_state);
    return mouse;
}

std::unique_ptr<PauseClock> MakePauseClock() {
    return std::make_unique<HighResolutionPauseClock>();
}

}  // namespace corvanti::win
