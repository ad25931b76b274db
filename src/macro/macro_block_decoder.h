#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace corvanti {

// One event record of a macro block, read back: a key or button pressed or released, and the
// pause after it.
struct MacroEventRecord {
    bool released = false;
    std::uint8_t key_code = 0;
    int delay_ms = 0;
    bool operator==(const MacroEventRecord&) const = default;
};

struct DecodedMacroBlock {
    std::uint16_t loop_count = 0;
    std::vector<MacroEventRecord> events;
};

// The event records of one macro, packed as a block stores them: the short form up to
// 1270 ms, the long form above; pauses outside 0-10000 ms are cut to that range.
std::vector<std::uint8_t> EncodeMacroEventRecords(std::span<const MacroEventRecord> events);

// The loop count and events of a 128-byte macro block, when the block is exactly what the
// encoder writes for them (records packed from byte 2, zeros after the last). Nothing for any
// other block, so a block read this way can always be written back byte for byte.
std::optional<DecodedMacroBlock> DecodeMacroBlock(std::span<const std::uint8_t> block);

}  // namespace corvanti
