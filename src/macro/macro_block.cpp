#include "macro/macro_block.h"

namespace corvanti {

namespace {

constexpr unsigned kBitsPerByte = 8;

}  // namespace

int MacroLoopCount(const ProfileRecord& record, std::size_t block) {
    const std::span<const std::uint8_t> bytes = record.macro_block(block);
    if (bytes.size() < kLoopCountSize) {
        return 0;
    }
    return (bytes[0] << kBitsPerByte) | bytes[1];
}

void SetMacroLoopCount(ProfileRecord& record, std::size_t block, std::uint16_t count) {
    const std::span<std::uint8_t> bytes = record.macro_block(block);
    if (bytes.size() < kLoopCountSize) {
        return;
    }
    bytes[0] = static_cast<std::uint8_t>(count >> kBitsPerByte);
    bytes[1] = static_cast<std::uint8_t>(count & 0xFF);
}

}  // namespace corvanti
