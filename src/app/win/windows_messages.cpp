#include "app/win/windows_messages.h"

#include <string>

namespace corvanti::win {

void DebugOutputTrace::Trace(std::string_view text) {
    // The UTF-8 bytes as they are: converting to the ANSI code page would turn every character
    // outside it (a Chinese balloon text, say) into a question mark.
    std::string line(text);
    line += '\n';
    OutputDebugStringA(line.c_str());
}

}  // namespace corvanti::win
