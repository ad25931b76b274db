#pragma once

#include <cstdint>
#include <string_view>

#include "common/language.h"

namespace corvanti {

// Face (UTF-8) and cell height in pixels of the font a skinned dialog draws with.
struct DialogFontChoice {
    std::string_view face;
    int height = 0;
    bool operator==(const DialogFontChoice&) const = default;
};

// reported_version is the operating system's version word as the system reports it: major
// in the low byte, minor in the next. Simplified Chinese uses another face on 6.2.
DialogFontChoice DialogFontFor(Language language, std::uint32_t reported_version);

struct OkCancelTexts {
    std::string_view ok;
    std::string_view cancel;
    bool operator==(const OkCancelTexts&) const = default;
};

OkCancelTexts OkCancelTextsFor(Language language);

}  // namespace corvanti
