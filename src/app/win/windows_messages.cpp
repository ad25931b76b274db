#include "app/win/windows_messages.h"

#include <string>

#include "app/win/wide_text.h"

namespace corvanti::win {

void DebugOutputTrace::Trace(std::string_view text) {
    std::wstring line = Widen(text);
    line += L'\n';
    OutputDebugStringW(line.c_str());
}

void MessageBoxMessages::ShowMessage(std::string_view text, std::string_view caption) {
    MessageBoxW(owner_, Widen(text).c_str(), Widen(caption).c_str(), MB_OK);
}

}  // namespace corvanti::win
