#pragma once

#include <string>
#include <string_view>

namespace corvanti::skin {

// The core's UTF-8 texts as the wide strings of the Windows calls, and back.
std::wstring WidenUtf8(std::string_view utf8);
std::string NarrowToUtf8(std::wstring_view wide);

}  // namespace corvanti::skin
