#include "macro/macro_block_decoder.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "macro/macro_encoder.h"
#include "profile/profile_record.h"

namespace corvanti {
namespace {

using Block = std::array<std::uint8_t, kMacroBlockSize>;

Block BlockOf(std::vector<std::uint8_t> head) {
    Block block{};
    std::ranges::copy(head, block.begin());
    return block;
}

TEST(MacroBlockDecoder, BlocksTheEncoderWritesAreReadBack) {
    const struct {
        const char* what;
        Block block;
        std::uint16_t loop_count;
        std::vector<MacroKeyEvent> events;
    } cases[] = {
        {"empty", Block{}, 0, {}},
        {"loop count only", BlockOf({0x01, 0x02}), 258, {}},
        {"press and release of A, 50 ms each",
         BlockOf({0x00, 0x01, 0x05, 0x04, 0x85, 0x04}),
         1,
         {{false, "A", 50}, {true, "A", 50}}},
        {"1270 ms is short, 1271 ms long",
         BlockOf({0, 1, 127, 0x05, 71, 0x05, 12, 0x03}),
         1,
         {{false, "B", 1270}, {false, "B", 1271}}},
        {"a key with delay 0 as the last event",
         BlockOf({0, 1, 0x80, 0xF0}),
         1,
         {{true, "L-Button", 0}}},
        {"10000 ms", BlockOf({0, 1, 0x80, 0x04, 100, 0x03}), 1, {{true, "A", 10000}}},
    };
    for (const auto& c : cases) {
        const auto decoded = DecodeMacroBlock(c.block);
        ASSERT_TRUE(decoded) << c.what;
        EXPECT_EQ(decoded->loop_count, c.loop_count) << c.what;
        EXPECT_EQ(decoded->events, c.events) << c.what;
        const EncodedMacroEvents again = EncodeMacroEvents(MacroItemsOf(decoded->events));
        EXPECT_TRUE(
            std::ranges::equal(again.bytes, std::span(c.block).subspan(2, again.bytes.size())))
            << c.what;
    }
}

// Such blocks cannot be said as events without losing bytes, so the text form keeps them raw.
TEST(MacroBlockDecoder, BlocksTheEncoderCannotWriteAreRefused) {
    const struct {
        const char* what;
        Block block;
    } cases[] = {
        {"long form for a short pause", BlockOf({0, 1, 5, 0x04, 3, 0x03})},
        {"long form with 100 ms or more in its low byte", BlockOf({0, 1, 120, 0x04, 20, 0x03})},
        {"long form past 10000 ms", BlockOf({0, 1, 0, 0x04, 101, 0x03})},
        {"a key code without a name", BlockOf({0, 1, 0x05, 0xF3})},
        {"a gap of zeros before a record", BlockOf({0, 1, 0, 0, 0x05, 0x04})},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(DecodeMacroBlock(c.block)) << c.what;
    }
    EXPECT_FALSE(DecodeMacroBlock(std::vector<std::uint8_t>(kMacroBlockSize - 1)));
}

}  // namespace
}  // namespace corvanti
