#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace corvanti {

class HidDiscovery;

inline constexpr std::string_view kMouseVerbUsage = "[STATE]";

// Accepts the real mouse, found through `discovery`, and prints every block it answers for.
// Returns the process exit code.
int ShowRealMouse(HidDiscovery& discovery, std::ostream& out, std::ostream& err);

// `corvanti-ctl mouse [STATE]`: what the simulated mouse kept in STATE holds, or without STATE
// what the real mouse lets the program read.
int RunMouseVerb(std::span<const std::string> operands, std::ostream& out, std::ostream& err);

}  // namespace corvanti
