#pragma once

#include <string>
#include <string_view>

namespace corvanti {

// The language texts the macro page shows in message boxes, chosen by the main window.
struct MacroPageTexts {
    std::string start_recording;
    std::string stop_recording;
    std::string not_recording;
    std::string blank_name;
    std::string name_exists;
    // The window's title while a recording runs.
    std::string recording_hint;
};

inline constexpr std::string_view kErrorCaption = "error";

// Fixed English texts, the same in every language.
inline constexpr std::string_view kMacroLimitText = "Macro numbers up to 12.";
inline constexpr std::string_view kMacroNameUnusableText =
    "Macro names have at most 31 characters and no ']'.";
inline constexpr std::string_view kMacroTooLongText =
    "The macro does not fit into the mouse: at most 63 key events, fewer with delays above "
    "1270 ms. Delete some events and confirm again.";
inline constexpr std::string_view kMacroFileUnwritableText =
    "record.ini could not be written; the macros are unchanged.";

// The message shown when the recording hook cannot be installed.
std::string HookInstallErrorText(unsigned long system_error);

}  // namespace corvanti
