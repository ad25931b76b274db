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

inline CtlRun RunCtl(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int exit_code = RunCtlCommand(arguments, out, err);
    return {exit_code, out.str(), err.str()};
}

}  // namespace corvanti::testing
