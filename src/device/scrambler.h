#pragma once

#include <array>
#include <cstdint>

#include "device/command_packet.h"

namespace corvanti {

// The mouse accepts command packets only in scrambled form once it has been accepted by the
// handshake. Only bytes 1-6 of the XOR key are used; bytes 0 and 7 are zero.
using ScramblerKey = std::array<std::uint8_t, kPacketSize>;

// The six bytes that the program and the mouse share for the XOR step, built at run time so
// that they never stand as one literal in the binary.
std::array<std::uint8_t, 6> HandshakeConstant();

// XOR key whose bytes 1-6 are the handshake constant.
ScramblerKey HandshakeXorKey();

// Permute, XOR bytes 1-6 with the key, rotate left by 3 bits as one big-endian 64-bit number,
// then add the nibble-swapped additive key.
CommandPacket Scramble(const CommandPacket& plain, const ScramblerKey& xor_key);

// Undoes Scramble step by step in reverse order.
CommandPacket Unscramble(const CommandPacket& scrambled, const ScramblerKey& xor_key);

}  // namespace corvanti
