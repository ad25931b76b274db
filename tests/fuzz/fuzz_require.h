#pragma once

#include <cstdlib>

namespace corvanti::fuzz {

// A broken property ends the run with a crash, which the fuzzer reports with its input; a
// plain assert would vanish from a build with NDEBUG.
inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace corvanti::fuzz
