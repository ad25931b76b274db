#pragma once

#include <string>

namespace corvanti {

// printf-style formatting into a string, for diagnostics and report lines whose texts are
// fixed printf formats. The compiler checks the arguments against the format.
// gnu_printf: mingw's printf attribute would check against the system's older C library; clang
// (the fuzz builds) knows only plain printf, which is the same check there.
#if defined(__clang__)
#define CORVANTI_PRINTF_FORMAT(format_index, first_argument) \
    __attribute__((format(printf, format_index, first_argument)))
#else
#define CORVANTI_PRINTF_FORMAT(format_index, first_argument) \
    __attribute__((format(gnu_printf, format_index, first_argument)))
#endif
std::string FormatText(const char* format, ...) CORVANTI_PRINTF_FORMAT(1, 2);

}  // namespace corvanti
