#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace corvanti {

// One key event of a macro as a block holds it: a key or button by its key name, pressed or
// released, and the pause after it.
struct MacroKeyEvent {
    bool released = false;
    std::string key_name;
    int delay_ms = 0;
    bool operator==(const MacroKeyEvent&) const = default;
};

struct DecodedMacroBlock {
    std::uint16_t loop_count = 0;
    std::vector<MacroKeyEvent> events;
};

// The events as record.ini's items, each key event followed by its delay, ready for the
// encoder.
std::vector<std::string> MacroItemsOf(std::span<const MacroKeyEvent> events);

// The loop count and events of a 128-byte macro block, when the encoder writes exactly this
// block for them: every key code has a key name, every record is in the form its delay calls
// for, and zeros follow the last one. Nothing for any other block, so a block read this way
// always encodes back byte for byte.
std::optional<DecodedMacroBlock> DecodeMacroBlock(std::span<const std::uint8_t> block);

}  // namespace corvanti
