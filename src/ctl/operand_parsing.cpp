#include "ctl/operand_parsing.h"

#include <charconv>
#include <limits>

namespace corvanti {

std::optional<std::uint8_t> ParseByteOperand(const std::string& text) {
    unsigned value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end ||
        value > std::numeric_limits<std::uint8_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

}  // namespace corvanti
