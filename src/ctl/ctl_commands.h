#pragma once

#include <ostream>
#include <span>
#include <string>

namespace corvanti {

// corvanti-ctl's verbs. `arguments` are the words after the program name; the verb is the
// first. Output goes to `out`, problems to `err`; the result is the process exit code (0 on
// success).
int RunCtlCommand(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace corvanti
