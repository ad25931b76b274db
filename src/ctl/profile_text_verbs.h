#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace corvanti {

// The verbs of the profile's text form. Each takes the operands after the verb, writes what it
// shows to `out` and problems to `err`, and returns the process exit code.

inline constexpr std::string_view kExportVerbUsage = "CONFIG.BIN [OUT] [--sensor N]";

// Writes CONFIG.BIN's text form to OUT (replaced atomically) or, without OUT, to `out`. With
// --sensor N (0-3) each DPI level also shows its DPI value.
int RunExportVerb(std::span<const std::string> operands, std::ostream& out, std::ostream& err);

// Turns a profile text into CONFIG.BIN, replaced atomically; bad text writes nothing.
int RunImportVerb(std::span<const std::string> operands, std::ostream& out, std::ostream& err);

// Shows what differs between two profiles, each a config.bin or a text.
int RunDiffVerb(std::span<const std::string> operands, std::ostream& out, std::ostream& err);

}  // namespace corvanti
