#pragma once

#include <string>

namespace corvanti {

// printf-style formatting into a string, for diagnostics and report lines whose texts are
// fixed printf formats. The compiler checks the arguments against the format.
std::string FormatText(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));

}  // namespace corvanti
