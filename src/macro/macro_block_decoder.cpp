#include "macro/macro_block_decoder.h"

#include <algorithm>
#include <cstddef>

#include "profile/profile_record.h"

namespace corvanti {

namespace {

constexpr std::size_t kLoopCountSize = 2;
constexpr std::size_t kShortRecordSize = 2;
constexpr std::size_t kLongRecordSize = 4;
constexpr std::size_t kLongFormMarkerIndex = 3;
constexpr std::uint8_t kLongFormMarker = 0x03;
constexpr std::uint8_t kReleaseBit = 0x80;
constexpr std::uint8_t kDelayBits = 0x7F;
constexpr int kShortFormMaxDelay = 1270;
constexpr int kShortFormUnit = 10;
constexpr int kLongFormUnit = 100;
// The longest pause the editor lets a user enter; the encoder cuts longer ones to it.
constexpr int kMaxDelay = 10000;
constexpr unsigned kBitsPerByte = 8;

bool AllZero(std::span<const std::uint8_t> bytes) {
    return std::ranges::all_of(bytes, [](std::uint8_t byte) { return byte == 0; });
}

// A record is long when its fourth byte is the long-form marker: no key code is that small,
// so the key code of a short record's neighbour never looks like one.
MacroEventRecord ReadRecord(std::span<const std::uint8_t> bytes, std::size_t& at) {
    const bool long_form = at + kLongFormMarkerIndex < bytes.size() &&
                           bytes[at + kLongFormMarkerIndex] == kLongFormMarker;
    MacroEventRecord event;
    event.released = (bytes[at] & kReleaseBit) != 0;
    event.key_code = at + 1 < bytes.size() ? bytes[at + 1] : 0;
    const int low = bytes[at] & kDelayBits;
    event.delay_ms = long_form ? bytes[at + 2] * kLongFormUnit + low : low * kShortFormUnit;
    at += long_form ? kLongRecordSize : kShortRecordSize;
    return event;
}

}  // namespace

std::vector<std::uint8_t> EncodeMacroEventRecords(std::span<const MacroEventRecord> events) {
    std::vector<std::uint8_t> bytes;
    for (const MacroEventRecord& event : events) {
        const std::uint8_t release = event.released ? kReleaseBit : 0;
        const int delay = std::clamp(event.delay_ms, 0, kMaxDelay);
        if (delay <= kShortFormMaxDelay) {
            bytes.push_back(static_cast<std::uint8_t>(release | delay / kShortFormUnit));
            bytes.push_back(event.key_code);
        } else {
            bytes.push_back(static_cast<std::uint8_t>(release | delay % kLongFormUnit));
            bytes.push_back(event.key_code);
            bytes.push_back(static_cast<std::uint8_t>(delay / kLongFormUnit));
            bytes.push_back(kLongFormMarker);
        }
    }
    return bytes;
}

std::optional<DecodedMacroBlock> DecodeMacroBlock(std::span<const std::uint8_t> block) {
    if (block.size() != kMacroBlockSize) {
        return std::nullopt;
    }
    DecodedMacroBlock decoded;
    decoded.loop_count = static_cast<std::uint16_t>(block[0] << kBitsPerByte | block[1]);
    const std::span<const std::uint8_t> records = block.subspan(kLoopCountSize);
    std::size_t at = 0;
    while (at < records.size() && !AllZero(records.subspan(at))) {
        decoded.events.push_back(ReadRecord(records, at));
    }
    std::vector<std::uint8_t> again = EncodeMacroEventRecords(decoded.events);
    if (again.size() > records.size()) {
        return std::nullopt;
    }
    again.resize(records.size(), 0);
    if (!std::ranges::equal(again, records)) {
        return std::nullopt;
    }
    return decoded;
}

}  // namespace corvanti
