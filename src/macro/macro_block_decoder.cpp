#include "macro/macro_block_decoder.h"

#include <algorithm>
#include <cstddef>

#include "macro/macro_block.h"
#include "macro/macro_encoder.h"
#include "macro/macro_event_item.h"
#include "profile/key_name_table.h"

namespace corvanti {

namespace {

constexpr unsigned kBitsPerByte = 8;

bool AllZero(std::span<const std::uint8_t> bytes) {
    return std::ranges::all_of(bytes, [](std::uint8_t byte) { return byte == 0; });
}

// A record is long when its fourth byte is the long-form mark: no key code is that small, so
// the key code of a short record's neighbour never looks like one.
std::optional<MacroKeyEvent> ReadRecord(std::span<const std::uint8_t> records, std::size_t& at) {
    const bool long_form = at + kLongFormMarkIndex < records.size() &&
                           records[at + kLongFormMarkIndex] == kLongFormMark;
    const std::string_view name = KeyNameOfCode(records[at + 1]);
    if (name.empty()) {
        return std::nullopt;
    }
    MacroKeyEvent event{(records[at] & kReleasedBit) != 0, std::string(name), 0};
    const int low = records[at] & kDelayBits;
    event.delay_ms = long_form ? records[at + 2] * kLongFormUnit + low : low * kShortFormUnit;
    at += long_form ? kLongEventRecordSize : kShortEventRecordSize;
    return event;
}

}  // namespace

std::vector<std::string> MacroItemsOf(std::span<const MacroKeyEvent> events) {
    std::vector<std::string> items;
    for (const MacroKeyEvent& event : events) {
        items.push_back(event.released ? ReleaseItem(event.key_name) : PressItem(event.key_name));
        items.push_back(DelayItem(event.delay_ms));
    }
    return items;
}

std::optional<DecodedMacroBlock> DecodeMacroBlock(std::span<const std::uint8_t> block) {
    if (block.size() != kMacroBlockSize) {
        return std::nullopt;
    }
    DecodedMacroBlock decoded;
    decoded.loop_count = static_cast<std::uint16_t>(block[0] << kBitsPerByte | block[1]);
    const std::span<const std::uint8_t> records = block.subspan(kLoopCountSize);
    // Records start at even offsets of the 126 event bytes, so a record's key code is always
    // inside them.
    for (std::size_t at = 0; at < records.size() && !AllZero(records.subspan(at));) {
        auto event = ReadRecord(records, at);
        if (!event) {
            return std::nullopt;
        }
        decoded.events.push_back(std::move(*event));
    }
    const EncodedMacroEvents again = EncodeMacroEvents(MacroItemsOf(decoded.events));
    if (!again.Fits() || !std::ranges::equal(again.bytes, records.first(again.bytes.size())) ||
        !AllZero(records.subspan(again.bytes.size()))) {
        return std::nullopt;
    }
    return decoded;
}

}  // namespace corvanti
