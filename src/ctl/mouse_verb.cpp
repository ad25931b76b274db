#include "ctl/mouse_verb.h"

#include <memory>

#include "common/text_encoding.h"
#include "ctl/ctl_exit_codes.h"
#include "ctl/mouse_report.h"
#include "ctl/tool_device_link.h"
#include "device/system_hid_discovery.h"
#include "sim/simulated_mouse_state.h"

namespace corvanti {

namespace {

int ShowSimulatedMouse(const std::string& state_path, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto state = LoadMouseState(PathFromUtf8(state_path), error);
    if (!state) {
        err << "corvanti-ctl: not a simulated mouse: " << error << "\n";
        return kCtlExitFailure;
    }
    out << FormatMouseReport(*state);
    return kCtlExitSuccess;
}

}  // namespace

int ShowRealMouse(HidDiscovery& discovery, std::ostream& out, std::ostream& err) {
    ToolDeviceLink link(discovery, err);
    if (!link.Accept("the mouse")) {
        return kCtlExitFailure;
    }
    link.ReadReadableBlocks();
    out << FormatReadableMouseReport(link.mirror());
    return kCtlExitSuccess;
}

int RunMouseVerb(std::span<const std::string> operands, std::ostream& out, std::ostream& err) {
    if (!operands.empty()) {
        return ShowSimulatedMouse(operands[0], out, err);
    }
    const std::unique_ptr<HidDiscovery> system = MakeSystemHidDiscovery();
    return ShowRealMouse(*system, out, err);
}

}  // namespace corvanti
