#include "macro/macro_section.h"

#include <algorithm>
#include <unordered_map>

#include "common/text_format.h"
#include "macro/lenient_number.h"
#include "macro/macro_block.h"

namespace corvanti {

namespace {

std::string ItemKey(std::size_t index) {
    return FormatText("Item%zu", index);
}

// Key names compare without regard to the case of ASCII letters, as the file's own reader
// does.
std::string FoldedKey(std::string_view key) {
    std::string folded(key);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return folded;
}

}  // namespace

MacroSection ReadMacroSection(const IniFile& file, std::string_view name) {
    // One pass over the section instead of one search per item: a hostile file may be large.
    std::unordered_map<std::string, std::string> values;
    for (auto& [key, value] : file.SectionKeys(name)) {
        values.emplace(FoldedKey(key), std::move(value));
    }
    const auto value_of = [&values](std::string_view key) {
        const auto found = values.find(FoldedKey(key));
        return found != values.end() ? found->second : std::string();
    };
    MacroSection section;
    section.item_count = LenientNumber(value_of(kItemCountKey));
    const std::size_t count =
        std::min(static_cast<std::size_t>(std::max(section.item_count, 0)), kMaxMacroItems);
    section.items.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        section.items.push_back(value_of(ItemKey(i)));
    }
    return section;
}

IniFile::KeyValues MacroSectionKeys(std::span<const std::string> items) {
    IniFile::KeyValues keys;
    keys.reserve(items.size() + 1);
    keys.emplace_back(kItemCountKey, FormatText("%zu", items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        keys.emplace_back(ItemKey(i), items[i]);
    }
    return keys;
}

}  // namespace corvanti
