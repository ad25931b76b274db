#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace corvanti {

// A command-line number from 0 to 255, digits only; nothing for anything else.
std::optional<std::uint8_t> ParseByteOperand(const std::string& text);

}  // namespace corvanti
