#include "app/program_options.h"

#include <string_view>

namespace corvanti {
namespace {

constexpr std::string_view kSimulatedMouseSwitch = "--simulated-mouse=";
constexpr std::string_view kTrafficSwitch = "--traffic=";

}  // namespace

ProgramOptions ParseProgramOptions(std::span<const std::string> arguments) {
    ProgramOptions options;
    for (const std::string_view argument : arguments) {
        if (argument.starts_with(kSimulatedMouseSwitch)) {
            options.simulated_mouse_state = argument.substr(kSimulatedMouseSwitch.size());
        } else if (argument.starts_with(kTrafficSwitch)) {
            options.traffic_log = argument.substr(kTrafficSwitch.size());
        }
    }
    return options;
}

}  // namespace corvanti
