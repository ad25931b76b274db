#include "ctl/apply_verb.h"

#include <memory>
#include <set>

#include "common/text_encoding.h"
#include "common/text_format.h"
#include "ctl/ctl_exit_codes.h"
#include "ctl/mouse_report.h"
#include "ctl/operand_parsing.h"
#include "ctl/profile_loading.h"
#include "ctl/profile_report.h"
#include "ctl/tool_device_link.h"
#include "device/apply_sequence.h"
#include "device/system_hid_discovery.h"
#include "sim/simulated_mouse.h"

namespace corvanti {

namespace {

constexpr std::string_view kSimulatedOption = "--simulated";
constexpr std::string_view kSensorOption = "--sensor";
constexpr std::string_view kTrafficOption = "--traffic";

class NothingStored : public ApplyPersistence {
  public:
    void SaveProfile() override {}
    void WriteCaptions() override {}
};

std::shared_ptr<SimulatedMouse> OpenSimulatedMouse(const ApplyVerbOptions& options,
                                                   std::ostream& err) {
    SimulatedMouseOptions mouse_options;
    mouse_options.sensor_type = options.sensor_type;
    mouse_options.state_path = PathFromUtf8(options.state_path);
    mouse_options.traffic_log_path = PathFromUtf8(options.traffic_log_path);
    std::string error;
    auto mouse = SimulatedMouse::Create(mouse_options, error);
    if (!mouse) {
        err << "corvanti-ctl: cannot use the simulated mouse: " << error << "\n";
    }
    return mouse;
}

// Accepts the mouse and runs Apply; false, with the reason on `err`, when it is not accepted.
bool AcceptAndApply(const ProfileRecord& profile, ToolDeviceLink& link, std::string_view mouse) {
    if (!link.Accept(mouse)) {
        return false;
    }
    NothingStored nothing_stored;
    RunApply(profile, link.commands(), nothing_stored);
    return true;
}

// What Apply sent, as far as the mouse cannot be asked for it afterwards.
std::string ApplySummary(const DeviceMirror& mirror) {
    return "Applied the profile to the mouse:\n  " + FormatReportRateLine(mirror.report_rate) +
           FormatText("  DPI stage count %u, codes:%s\n", mirror.dpi_stage_count,
                      SpacedHexBytes(mirror.dpi_stage_codes).c_str()) +
           "  Settings, lighting-detail and lighting blocks, macro blocks 1-12 and key matrices "
           "1-4 written\nWhat the mouse holds now:\n";
}

}  // namespace

int ApplyToArrivingMouse(const ProfileRecord& profile, SimulatedMouse& mouse, std::ostream& out,
                         std::ostream& err) {
    ToolDeviceLink link(mouse, err);
    if (!AcceptAndApply(profile, link, "the simulated mouse")) {
        return kCtlExitFailure;
    }
    out << FormatMouseReport(mouse.state());
    return kCtlExitSuccess;
}

int ApplyToMouse(const ProfileRecord& profile, HidDiscovery& discovery, std::ostream& out,
                 std::ostream& err) {
    ToolDeviceLink link(discovery, err);
    if (!AcceptAndApply(profile, link, "the mouse")) {
        return kCtlExitFailure;
    }
    const std::string summary = ApplySummary(link.mirror());
    link.ReadReadableBlocks();
    out << summary << FormatReadableMouseReport(link.mirror());
    return kCtlExitSuccess;
}

std::optional<ApplyVerbOptions> ParseApplyVerbOptions(std::span<const std::string> operands,
                                                      std::ostream& err) {
    if (operands.empty() || operands[0].starts_with("--")) {
        err << "corvanti-ctl: apply needs the profile FILE first\n";
        return std::nullopt;
    }
    ApplyVerbOptions options;
    options.profile_path = operands[0];
    std::set<std::string_view> seen;
    for (std::size_t at = 1; at < operands.size(); at += 2) {
        const std::string_view name = operands[at];
        if (at + 1 == operands.size() || !seen.insert(name).second) {
            err << "corvanti-ctl: option \"" << name << "\" is given twice or has no value\n";
            return std::nullopt;
        }
        const std::string& value = operands[at + 1];
        if (name == kSimulatedOption) {
            options.state_path = value;
        } else if (name == kTrafficOption) {
            options.traffic_log_path = value;
        } else if (name != kSensorOption) {
            err << "corvanti-ctl: unknown option \"" << name << "\"\n";
            return std::nullopt;
        } else if (const auto sensor = ParseByteOperand(value)) {
            options.sensor_type = *sensor;
        } else {
            err << "corvanti-ctl: the sensor type is a number from 0 to 255, not \"" << value
                << "\"\n";
            return std::nullopt;
        }
    }
    // The real mouse has its own sensor, and its traffic is not logged.
    if (options.state_path.empty() && seen.size() > 0) {
        err << "corvanti-ctl: " << kSensorOption << " and " << kTrafficOption
            << " belong to the simulated mouse (" << kSimulatedOption << " STATE)\n";
        return std::nullopt;
    }
    return options;
}

int RunApplyVerb(std::span<const std::string> operands, std::ostream& out, std::ostream& err) {
    const auto options = ParseApplyVerbOptions(operands, err);
    if (!options) {
        err << "usage: corvanti-ctl apply " << kApplyVerbUsage << "\n";
        return kCtlExitUsage;
    }
    // The profile is checked first, so a bad FILE touches no mouse and leaves no new state file.
    const auto content = LoadAnyProfileForCtl(options->profile_path, err);
    if (!content) {
        return kCtlExitFailure;
    }
    if (options->state_path.empty()) {
        const std::unique_ptr<HidDiscovery> system = MakeSystemHidDiscovery();
        return ApplyToMouse(content->record, *system, out, err);
    }
    const auto mouse = OpenSimulatedMouse(*options, err);
    if (!mouse) {
        return kCtlExitFailure;
    }
    return ApplyToArrivingMouse(content->record, *mouse, out, err);
}

}  // namespace corvanti
