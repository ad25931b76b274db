#include "ctl/apply_verb.h"

#include <memory>
#include <set>

#include "common/text_encoding.h"
#include "common/user_messages.h"
#include "ctl/ctl_exit_codes.h"
#include "ctl/mouse_report.h"
#include "ctl/operand_parsing.h"
#include "ctl/profile_loading.h"
#include "device/apply_sequence.h"
#include "device/device_acceptance.h"
#include "device/device_commands.h"
#include "device/real_pause_clock.h"
#include "sim/simulated_mouse.h"

namespace corvanti {

namespace {

constexpr std::string_view kSimulatedOption = "--simulated";
constexpr std::string_view kSensorOption = "--sensor";
constexpr std::string_view kTrafficOption = "--traffic";

// The tool's own device link: messages the open would show go to stderr, traces and device
// events are dropped, and nothing is stored besides the mouse.
class ToolDeviceSinks : public UserMessages, public TraceSink, public DeviceEventSink {
  public:
    explicit ToolDeviceSinks(std::ostream& err) : err_(err) {}
    void ShowMessage(std::string_view text, std::string_view) override {
        err_ << "corvanti-ctl: " << text << "\n";
    }
    void Trace(std::string_view) override {}
    void Deliver(DeviceEventCode, std::uint8_t) override {}

  private:
    std::ostream& err_;
};

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

std::string_view RefusalText(MouseAcceptance acceptance) {
    return acceptance == MouseAcceptance::NotFound
               ? "was not found"
               : "was not accepted: it does not answer the handshake";
}

}  // namespace

int ApplyToArrivingMouse(const ProfileRecord& profile, SimulatedMouse& mouse, std::ostream& out,
                         std::ostream& err) {
    ToolDeviceSinks sinks(err);
    RealPauseClock clock;
    LinkState link;
    DeviceMirror mirror;
    PacketTransport transport(link, clock);
    DeviceCommands commands(transport, mirror, clock, sinks);
    DeviceLink device{link, mouse, transport, commands, clock, sinks, sinks, sinks};
    if (const MouseAcceptance acceptance = AcceptMouse(device);
        acceptance != MouseAcceptance::Accepted) {
        err << "corvanti-ctl: the simulated mouse " << RefusalText(acceptance) << "\n";
        return kCtlExitFailure;
    }
    NothingStored nothing_stored;
    RunApply(profile, commands, nothing_stored);
    out << FormatMouseReport(mouse.state());
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
    if (options.state_path.empty()) {
        err << "corvanti-ctl: apply needs " << kSimulatedOption << " STATE\n";
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
    // The profile is checked first, so a bad FILE leaves no new state file behind.
    const auto content = LoadAnyProfileForCtl(options->profile_path, err);
    if (!content) {
        return kCtlExitFailure;
    }
    const auto mouse = OpenSimulatedMouse(*options, err);
    if (!mouse) {
        return kCtlExitFailure;
    }
    return ApplyToArrivingMouse(content->record, *mouse, out, err);
}

}  // namespace corvanti
