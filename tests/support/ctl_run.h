#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "ctl/ctl_commands.h"

namespace corvanti::testing {

// One corvanti-ctl run with what it printed.
struct CtlRun {
    int exit_code;
    std::string out;
    std::string err;
};

// Whether what a run printed holds `part`.
inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

inline CtlRun RunCtl(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int exit_code = RunCtlCommand(arguments, out, err);
    return {exit_code, out.str(), err.str()};
}

}  // namespace corvanti::testing
