#pragma once

#include <string_view>

namespace corvanti {

// Where the core sends what the user must see (a message box on Windows) and what only a
// developer should see (a trace line; OutputDebugStringW on Windows). Texts are UTF-8.
class UserMessages {
  public:
    virtual ~UserMessages() = default;
    // Shows a message box with an OK button; returns when the user has dismissed it.
    virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;
};

class TraceSink {
  public:
    virtual ~TraceSink() = default;
    // Records one diagnostic text; never shown to the user.
    virtual void Trace(std::string_view text) = 0;
};

// The caption of the program's own message boxes.
inline constexpr std::string_view kApplicationTitle = "Corvanti-Tarn";
// The caption of the boxes that warn about a refused or failed change, in every language.
inline constexpr std::string_view kWarningCaption = "Warning";

}  // namespace corvanti
