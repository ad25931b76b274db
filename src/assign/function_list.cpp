#include "assign/function_list.h"

#include <array>

namespace corvanti {

namespace {

// The language-table row of each function type, in type order.
constexpr std::array<TextRole, kFunctionTypeCount> kFunctionEntryRoles = {
    TextRole::FunctionLeftClick,        // 0
    TextRole::FunctionRightClick,       // 1
    TextRole::FunctionMiddleClick,      // 2
    TextRole::FunctionForward,          // 3
    TextRole::FunctionBackward,         // 4
    TextRole::FunctionTripleClick,      // 5
    TextRole::FunctionDpiSwitch,        // 6
    TextRole::FunctionRgbOnOff,         // 7
    TextRole::FunctionWindows,          // 8
    TextRole::FunctionMultimediaGroup,  // 9
    TextRole::FunctionFireKey,          // 10
    TextRole::FunctionSingleKey,        // 11
    TextRole::FunctionCombinationKey,   // 12
    TextRole::FunctionMacroKey,         // 13
    TextRole::FunctionShift,            // 14
    TextRole::FunctionKeyOff,           // 15
};

const std::string kNoEntry;

}  // namespace

const std::string& FunctionEntryText(const LanguageTexts& texts, FunctionType type) {
    const auto index = static_cast<std::size_t>(type);
    return index < kFunctionEntryRoles.size() ? texts.Text(kFunctionEntryRoles[index]) : kNoEntry;
}

std::vector<std::string> FunctionListEntries(const LanguageTexts& texts) {
    std::vector<std::string> entries;
    entries.reserve(kFunctionEntryRoles.size());
    for (TextRole role : kFunctionEntryRoles) {
        entries.push_back(texts.Text(role));
    }
    return entries;
}

}  // namespace corvanti
