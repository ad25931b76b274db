#pragma once

#include <string>
#include <string_view>

namespace corvanti::win {

// Conversions between the core's UTF-8 and the wide strings of the Windows calls.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace corvanti::win
