#include "app/win/mouse_backend.h"

#include <thread>

namespace corvanti::win {
namespace {

// Stands in until the system backend and the simulated mouse are linked: no interfaces.
class NoInterfaces final : public HidDiscovery {
  public:
    bool ListInterfaces(std::vector<HidInterfaceInfo>&) override { return false; }
    std::unique_ptr<HidCollection> Open(const std::string&, OpenPurpose) override {
        return nullptr;
    }
};

class SleepingClock final : public PauseClock {
  public:
    void Pause(std::chrono::milliseconds duration) override {
        std::this_thread::sleep_for(duration);
    }
};

}  // namespace

std::shared_ptr<HidDiscovery> MakeHidDiscovery(const ProgramOptions& options, TraceSink& trace) {
    if (options.uses_simulated_mouse()) {
        trace.Trace("simulated mouse: not linked in this build");
    }
    return std::make_shared<NoInterfaces>();
}

std::unique_ptr<PauseClock> MakePauseClock() {
    return std::make_unique<SleepingClock>();
}

}  // namespace corvanti::win
