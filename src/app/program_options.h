#pragma once

#include <span>
#include <string>

namespace corvanti {

// The demonstration and test switches of the program. Without them the program ignores its
// command line.
struct ProgramOptions {
    std::string simulated_mouse_state;  // --simulated-mouse=STATE: use the simulated mouse
    std::string traffic_log;            // --traffic=LOG: record the simulated mouse's traffic
    bool uses_simulated_mouse() const { return !simulated_mouse_state.empty(); }
};

// Reads the switches from the arguments after the program name (UTF-8). Anything else, and a
// switch with an empty value, is ignored.
ProgramOptions ParseProgramOptions(std::span<const std::string> arguments);

}  // namespace corvanti
