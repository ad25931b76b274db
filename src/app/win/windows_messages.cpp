#include "app/win/windows_messages.h"

#include <string>

#include "common/text_encoding.h"

namespace corvanti::win {

void DebugOutputTrace::Trace(std::string_view text) {
    std::wstring line = Utf8ToWide(text);
    line += L'\n';
    OutputDebugStringW(line.c_str());
}

void MessageBoxMessages::ShowMessage(std::string_view text, std::string_view caption) {
    MessageBoxW(owner_, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), MB_OK);
}

}  // namespace corvanti::win
