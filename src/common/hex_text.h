#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvanti {

// Bytes as lower-case hex, two digits a byte, no separators: {0x0A, 0xFF} -> "0aff".
std::string ToHex(std::span<const std::uint8_t> bytes);

// The reverse of ToHex; accepts either case. Empty when the text has an odd length or a
// character that is not a hex digit.
std::optional<std::vector<std::uint8_t>> ParseHex(std::string_view text);

}  // namespace corvanti
