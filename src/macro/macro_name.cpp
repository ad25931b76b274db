#include "macro/macro_name.h"

#include <algorithm>

#include "common/text_encoding.h"

namespace corvanti {

namespace {

// The blanks the file strips around section names (0x1A is the old end-of-file mark).
constexpr std::string_view kBlanks = " \t\r\n\v\f\x1A";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsUnkeptCharacter(char c) {
    return c == ']' || (static_cast<unsigned char>(c) < 0x20);
}

}  // namespace

std::string TrimmedMacroName(std::string_view name) {
    return std::string(Trim(name));
}

MacroNameCheck CheckMacroName(std::string_view name) {
    const std::string_view trimmed = Trim(name);
    if (trimmed.empty()) {
        return MacroNameCheck::kBlank;
    }
    if (Utf8ToUtf16(trimmed).size() > kMaxMacroNameLength ||
        std::any_of(trimmed.begin(), trimmed.end(), IsUnkeptCharacter)) {
        return MacroNameCheck::kUnusable;
    }
    return MacroNameCheck::kUsable;
}

bool SameMacroName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldCase(x) == FoldCase(y);
           });
}

}  // namespace corvanti
