#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvanti {

// A macro's name is its section name in record.ini and is shown in the lists.
inline constexpr std::size_t kMaxMacroNameLength = 31;  // characters (UTF-16 units)

enum class MacroNameCheck {
    kUsable,
    kBlank,
    // Longer than the name field, or with a character the file cannot keep in a section name
    // (']' ends the name, line breaks and other control characters are not kept).
    kUnusable,
};

// The file ignores blanks around a section name, so the name is taken without them;
// otherwise "Run " and "Run" would look like two macros and save into one section.
std::string TrimmedMacroName(std::string_view name);

MacroNameCheck CheckMacroName(std::string_view name);

// Names compare as the file compares section names: blanks around them and the case of ASCII
// letters do not count.
bool SameMacroName(std::string_view a, std::string_view b);

}  // namespace corvanti
