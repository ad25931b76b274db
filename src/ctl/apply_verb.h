#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "profile/profile_record.h"

namespace corvanti {

class HidDiscovery;
class SimulatedMouse;

// The operands of `corvanti-ctl apply`, as the usage text shows them.
inline constexpr std::string_view kApplyVerbUsage =
    "FILE [--simulated STATE [--sensor N] [--traffic LOG]]";

struct ApplyVerbOptions {
    std::string profile_path;
    std::string state_path;        // empty: the real mouse
    std::uint8_t sensor_type = 0;  // for a simulated mouse that has no state file yet
    std::string traffic_log_path;  // empty: no traffic log
    bool operator==(const ApplyVerbOptions&) const = default;
};

// The operands after the verb: FILE first, then the options in any order, each at most once;
// --sensor and --traffic only with --simulated. Nothing, with the problem written to `err`,
// for anything else.
std::optional<ApplyVerbOptions> ParseApplyVerbOptions(std::span<const std::string> operands,
                                                      std::ostream& err);

// Accepts the mouse as the program does when it arrives (open, handshake, sensor-block
// refresh), runs Apply with `profile` as the working record, storing nothing besides the mouse,
// and prints what the mouse then holds. A mouse that is not accepted gets nothing; the reason
// goes to `err`. Returns the process exit code.
int ApplyToArrivingMouse(const ProfileRecord& profile, SimulatedMouse& mouse, std::ostream& out,
                         std::ostream& err);

// The same for the real mouse, found through `discovery`: prints what Apply sent and what the
// mouse then answers for (it offers no read of its key matrices and DPI stages).
int ApplyToMouse(const ProfileRecord& profile, HidDiscovery& discovery, std::ostream& out,
                 std::ostream& err);

// Accepts the mouse (the simulated one kept in the state file with --simulated, the real one
// otherwise) as the program does when the mouse arrives, runs Apply with FILE's record (a
// config.bin or a profile text) as the working record and prints what the mouse then holds.
// FILE is only read: nothing is saved over it and no captions are written. Returns the process
// exit code.
int RunApplyVerb(std::span<const std::string> operands, std::ostream& out, std::ostream& err);

}  // namespace corvanti
