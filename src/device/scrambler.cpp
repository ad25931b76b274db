#include "device/scrambler.h"

#include <cstddef>

namespace corvanti {

namespace {

constexpr std::array<char, kPacketSize> kAdditiveKey = {'Q', 'a', 'L', 'v', 'r', 'E', 's', 'p'};

// Scrambled byte i comes from plain byte kPermutation[i].
constexpr std::array<std::size_t, kPacketSize> kPermutation = {5, 4, 7, 6, 1, 0, 3, 2};

constexpr unsigned kRotateBits = 3;

// The handshake constant is derived from these seeds so the key itself never appears as a
// contiguous run of bytes in the program image.
constexpr std::array<std::uint8_t, 6> kHandshakeSeeds = {0x3E, 0x91, 0xC4, 0x27, 0x6B, 0xD8};
constexpr std::uint8_t kHandshakeMask = 0x5A;

std::uint8_t SwapNibbles(std::uint8_t value) {
    return static_cast<std::uint8_t>((value << 4) | (value >> 4));
}

std::uint8_t AdditiveByte(std::size_t i) {
    return SwapNibbles(static_cast<std::uint8_t>(kAdditiveKey[i]));
}

CommandPacket RotateLeft(const CommandPacket& p) {
    CommandPacket r{};
    for (std::size_t i = 0; i < kPacketSize; ++i) {
        const std::uint8_t next = p[(i + 1) % kPacketSize];
        r[i] = static_cast<std::uint8_t>((p[i] << kRotateBits) | (next >> (8 - kRotateBits)));
    }
    return r;
}

CommandPacket RotateRight(const CommandPacket& p) {
    CommandPacket r{};
    for (std::size_t i = 0; i < kPacketSize; ++i) {
        const std::uint8_t previous = p[(i + kPacketSize - 1) % kPacketSize];
        r[i] = static_cast<std::uint8_t>((p[i] >> kRotateBits) | (previous << (8 - kRotateBits)));
    }
    return r;
}

void XorParameterBytes(CommandPacket& p, const ScramblerKey& key) {
    for (std::size_t i = 1; i + 1 < kPacketSize; ++i) {
        p[i] ^= key[i];
    }
}

}  // namespace

std::array<std::uint8_t, 6> HandshakeConstant() {
    std::array<std::uint8_t, 6> constant{};
    for (std::size_t i = 0; i < constant.size(); ++i) {
        constant[i] = static_cast<std::uint8_t>(kHandshakeSeeds[i] ^ (kHandshakeMask + i * 17));
    }
    return constant;
}

ScramblerKey HandshakeXorKey() {
    ScramblerKey key{};
    const auto constant = HandshakeConstant();
    for (std::size_t i = 0; i < constant.size(); ++i) {
        key[i + 1] = constant[i];
    }
    return key;
}

CommandPacket Scramble(const CommandPacket& plain, const ScramblerKey& xor_key) {
    CommandPacket p{};
    for (std::size_t i = 0; i < kPacketSize; ++i) {
        p[i] = plain[kPermutation[i]];
    }
    XorParameterBytes(p, xor_key);
    CommandPacket r = RotateLeft(p);
    for (std::size_t i = 0; i < kPacketSize; ++i) {
        r[i] = static_cast<std::uint8_t>(r[i] + AdditiveByte(i));
    }
    return r;
}

CommandPacket Unscramble(const CommandPacket& scrambled, const ScramblerKey& xor_key) {
    CommandPacket r = scrambled;
    for (std::size_t i = 0; i < kPacketSize; ++i) {
        r[i] = static_cast<std::uint8_t>(r[i] - AdditiveByte(i));
    }
    CommandPacket p = RotateRight(r);
    XorParameterBytes(p, xor_key);
    CommandPacket plain{};
    for (std::size_t i = 0; i < kPacketSize; ++i) {
        plain[kPermutation[i]] = p[i];
    }
    return plain;
}

}  // namespace corvanti
