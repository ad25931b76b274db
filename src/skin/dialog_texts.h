#pragma once

#include <cstdint>
#include <string_view>

namespace corvanti {

enum class UiLanguage { kSimplifiedChinese, kTraditionalChinese, kEnglish };

// "CHS" and "CHT" select Chinese; any other code, also an empty one, English.
UiLanguage UiLanguageOf(std::string_view language_code);

// Face (UTF-8) and cell height in pixels of the font a skinned dialog draws with.
struct DialogFontChoice {
    std::string_view face;
    int height = 0;
    bool operator==(const DialogFontChoice&) const = default;
};

// reported_version is the operating system's version word as the system reports it: major
// in the low byte, minor in the next. Simplified Chinese uses another face on 6.2.
DialogFontChoice DialogFontFor(std::string_view language_code, std::uint32_t reported_version);

struct OkCancelTexts {
    std::string_view ok;
    std::string_view cancel;
    bool operator==(const OkCancelTexts&) const = default;
};

OkCancelTexts OkCancelTextsFor(std::string_view language_code);

}  // namespace corvanti
