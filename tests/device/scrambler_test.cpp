#include "device/scrambler.h"

#include <gtest/gtest.h>

#include <random>

#include "device/command_packet.h"

namespace corvanti {
namespace {

TEST(PacketChecksum, MakesTheEightBytesAddUpToFF) {
    EXPECT_EQ(WithChecksum({0x01, 0x08, 0, 0, 0, 0, 0, 0x55})[7], 0xF6);
    EXPECT_EQ(WithChecksum({0x00, 0xAA, 0xDD, 0x3B, 0x62, 0, 0, 0})[7], 0xDB);
    EXPECT_EQ(WithChecksum({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0})[7], 0x06);
}

TEST(DataReportCount, CountsWholeAndPartial32ByteReports) {
    const std::pair<std::size_t, std::size_t> cases[] = {{128, 4}, {64, 2}, {24, 1}, {8, 1},
                                                         {0, 0},   {33, 2}, {255, 8}};
    for (const auto& [length, reports] : cases) {
        EXPECT_EQ(DataReportCount(length), reports) << length;
    }
}

TEST(Scrambler, UnscrambleUndoesScrambleForAnyKeyAndBytes) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 2000; ++round) {
        CommandPacket plain{};
        ScramblerKey key{};
        for (std::size_t i = 0; i < kPacketSize; ++i) {
            plain[i] = static_cast<std::uint8_t>(byte(random));
            key[i] = static_cast<std::uint8_t>(byte(random));
        }
        EXPECT_EQ(Unscramble(Scramble(plain, key), key), plain);
    }
}

// Hand-worked: with a zero key only the permutation, the rotation and the additive key act, so
// a single set bit shows each step's direction.
TEST(Scrambler, PermutesRotatesLeftAndAddsNibbleSwappedKey) {
    const CommandPacket zero{};
    const CommandPacket additive = {0x15, 0x16, 0xC4, 0x67, 0x27, 0x54, 0x37, 0x07};
    EXPECT_EQ(Scramble(zero, ScramblerKey{}), additive);
    // d5 = 0x01 moves to p0, then rotates left by 3 into 0x08.
    CommandPacket one_bit{};
    one_bit[5] = 0x01;
    CommandPacket expected = additive;
    expected[0] = static_cast<std::uint8_t>(expected[0] + 0x08);
    EXPECT_EQ(Scramble(one_bit, ScramblerKey{}), expected);
    // The top bit of p0 wraps round into the low bits of r7.
    one_bit[5] = 0x80;
    expected = additive;
    expected[0] = static_cast<std::uint8_t>(expected[0] + 0x00);
    expected[7] = static_cast<std::uint8_t>(expected[7] + 0x04);
    EXPECT_EQ(Scramble(one_bit, ScramblerKey{}), expected);
}

// Worked out by hand, step by step, for a key and bytes that are all different, so that a
// wrong permutation, XOR position, rotation or additive byte shows in the result.
TEST(Scrambler, HandWorkedPacketWithAFullKey) {
    const CommandPacket plain = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0};
    const ScramblerKey key = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x00};
    // permute (d5 d4 d7 d6 d1 d0 d3 d2):  BC 9A F0 DE 34 12 78 56
    // XOR bytes 1-6 with the key:          BC 8B D2 ED 70 47 1E 56
    // rotate left by 3 bits:               E4 5E 97 6B 82 38 F2 B5
    // add the nibble-swapped "QaLvrEsp":  +15 16 C4 67 27 54 37 07
    const CommandPacket scrambled = {0xF9, 0x74, 0x5B, 0xD2, 0xA9, 0x8C, 0x29, 0xBC};
    EXPECT_EQ(Scramble(plain, key), scrambled);
    EXPECT_EQ(Unscramble(scrambled, key), plain);
}

TEST(Scrambler, KeyBytesZeroAndSevenHaveNoEffect) {
    const CommandPacket plain = {1, 2, 3, 4, 5, 6, 7, 8};
    ScramblerKey key = HandshakeXorKey();
    const auto reference = Scramble(plain, key);
    key[0] = 0xFF;
    key[7] = 0xFF;
    EXPECT_EQ(Scramble(plain, key), reference);
    EXPECT_NE(Scramble(plain, ScramblerKey{}), reference);
    EXPECT_EQ(HandshakeXorKey()[0], 0);
    EXPECT_EQ(HandshakeXorKey()[7], 0);
}

}  // namespace
}  // namespace corvanti
