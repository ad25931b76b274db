#include "app/win/windows_messages.h"

#include <string>

#include "common/text_encoding.h"

namespace corvanti::win {

void DebugOutputTrace::Trace(std::string_view text) {
    std::wstring line = Utf8ToWide(text);
    line += L'\n';
    OutputDebugStringW(line.c_str());
}

}  // namespace corvanti::win
