#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini_file.h"

namespace corvanti {

// One macro as record.ini keeps it: a section named after the macro with "ItemCount" and
// the items "Item0" ... "Item(n-1)".
inline constexpr std::string_view kItemCountKey = "ItemCount";

struct MacroSection {
    // ItemCount as written, read by the lenient number rule (missing counts as 0).
    int item_count = 0;
    // Item0 ... in order, a missing one as empty text. Never more than a block can use,
    // whatever ItemCount claims.
    std::vector<std::string> items;
};

MacroSection ReadMacroSection(const IniFile& file, std::string_view name);

// The keys a section of these items consists of, in the order they are written.
IniFile::KeyValues MacroSectionKeys(std::span<const std::string> items);

}  // namespace corvanti
