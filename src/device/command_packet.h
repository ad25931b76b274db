#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace corvanti {

// One command to the mouse: byte 0 the command code, bytes 1-6 parameters, byte 7 a checksum
// that makes the eight bytes add up to 0xFF.
inline constexpr std::size_t kPacketSize = 8;
using CommandPacket = std::array<std::uint8_t, kPacketSize>;

inline constexpr std::uint8_t kReadCommandBit = 0x80;  // the mouse answers these
inline constexpr std::size_t kPacketLengthByte = 2;    // length of a data phase, where one follows
inline constexpr std::size_t kDataReportPayload = 32;  // data bytes per data-phase report
inline constexpr std::uint8_t kCommandReportId = 0x00;
inline constexpr std::uint8_t kEventReportId = 0x06;

// 0xFF minus the sum of bytes 0-6, modulo 256.
std::uint8_t PacketChecksum(const CommandPacket& packet);

// The packet with byte 7 recomputed, whatever the caller put there.
CommandPacket WithChecksum(CommandPacket packet);

inline bool IsReadCommand(std::uint8_t code) {
    return (code & kReadCommandBit) != 0;
}

// Number of 32-byte reports that carry a data phase of `length` bytes.
inline constexpr std::size_t DataReportCount(std::size_t length) {
    return (length + kDataReportPayload - 1) / kDataReportPayload;
}

}  // namespace corvanti
