#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "profile/profile_record.h"

namespace corvanti {

class SimulatedMouse;

// The operands of `corvanti-ctl apply`, as the usage text shows them.
inline constexpr std::string_view kApplyVerbUsage =
    "FILE --simulated STATE [--sensor N] [--traffic LOG]";

struct ApplyVerbOptions {
    std::string profile_path;
    std::string state_path;
    std::uint8_t sensor_type = 0;  // for a simulated mouse that has no state file yet
    std::string traffic_log_path;  // empty: no traffic log
    bool operator==(const ApplyVerbOptions&) const = default;
};

// The operands after the verb: FILE first, then the options in any order, each at most once.
// Nothing, with the problem written to `err`, for anything else.
std::optional<ApplyVerbOptions> ParseApplyVerbOptions(std::span<const std::string> operands,
                                                      std::ostream& err);

// Accepts the mouse as the program does when it arrives (open, handshake, sensor-block
// refresh), runs Apply with `profile` as the working record, storing nothing besides the mouse,
// and prints what the mouse then holds. A mouse that is not accepted gets nothing; the reason
// goes to `err`. Returns the process exit code.
int ApplyToArrivingMouse(const ProfileRecord& profile, SimulatedMouse& mouse, std::ostream& out,
                         std::ostream& err);

// Accepts the simulated mouse kept in the state file as the program does when the mouse
// arrives, runs Apply with FILE's record as the working record and prints what the mouse then
// holds. FILE is only read: nothing is saved over it and no captions are written. Returns the
// process exit code.
int RunApplyVerb(std::span<const std::string> operands, std::ostream& out, std::ostream& err);

}  // namespace corvanti
