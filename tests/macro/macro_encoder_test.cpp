#include "macro/macro_encoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "macro/lenient_number.h"
#include "macro/macro_block.h"
#include "support/recording_messages.h"

namespace corvanti {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Items = std::vector<std::string>;

TEST(LenientNumberTest, TakesSignAndLeadingDigitsAndSaturates) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"50", 50},
        {"  \t42 ms", 42},
        {"-7", -7},
        {"+9x", 9},
        {"", 0},
        {"ms", 0},
        {"- 5", 0},
        {"1 2", 1},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
        {"2147483648", 2147483647},
        {"000123", 123},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LenientNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(MacroEncoderTest, EncodesEachKeyEventWithTheDelayOfTheItemAfterIt) {
    struct Case {
        Items items;
        Bytes bytes;
    };
    const Case cases[] = {
        {{"A   Dn", "50 ms", "A   Up", "50 ms"}, {0x05, 0x04, 0x85, 0x04}},
        {{"B   Dn", "1270 ms"}, {127, 0x05}},
        {{"B   Dn", "1271 ms"}, {71, 0x05, 12, 0x03}},
        {{"A   Dn", "2345 ms"}, {45, 0x04, 23, 0x03}},
        {{"A   Up", "10000 ms"}, {0x80, 0x04, 100, 0x03}},
        // The last event without a delay after it, and a delay of 9 ms, both give 0.
        {{"A   Dn", "9 ms", "A   Up"}, {0x00, 0x04, 0x80, 0x04}},
        // A following key event of a digit key is read as that delay.
        {{"A   Dn", "5   Dn", "50 ms"}, {0x00, 0x04, 0x05, 0x22}},
        {{"L-Button   Dn", "50 ms", "Num 1   Up", "50 ms"}, {0x05, 0xF0, 0x85, 0x59}},
        // Unknown names give code 0; stray text and delays are skipped.
        {{"stray", "a   Dn", "50 ms", "", "120 ms"}, {0x05, 0x00}},
        // Delays the editor never writes are held to 0-10000 instead of wrapping.
        {{"A   Dn", "-30 ms", "A   Up", "99999 ms"}, {0x00, 0x04, 0x80, 0x04, 100, 0x03}},
    };
    for (const Case& c : cases) {
        const EncodedMacroEvents encoded = EncodeMacroEvents(c.items);
        EXPECT_EQ(encoded.bytes, c.bytes) << c.items.front() << " / " << c.items.back();
        EXPECT_TRUE(encoded.Fits());
    }
}

Items RepeatedEvents(std::size_t count, const std::string& delay) {
    Items items;
    for (std::size_t i = 0; i < count; ++i) {
        items.push_back("A   Dn");
        items.push_back(delay);
    }
    return items;
}

TEST(MacroEncoderTest, KnowsHowManyWholeRecordsFitABlock) {
    EXPECT_TRUE(EncodeMacroEvents(RepeatedEvents(63, "50 ms")).Fits());
    const EncodedMacroEvents too_many = EncodeMacroEvents(RepeatedEvents(64, "50 ms"));
    EXPECT_EQ(too_many.fitting_size, 126u);
    EXPECT_FALSE(too_many.Fits());
    // 31 long records take 124 bytes: a 32nd would end at 128, so it is left out whole.
    const EncodedMacroEvents long_ones = EncodeMacroEvents(RepeatedEvents(32, "2000 ms"));
    EXPECT_EQ(long_ones.fitting_size, 124u);
}

ProfileRecord RecordWithMarkedBlocks() {
    ProfileRecord record;
    for (std::size_t k = 0; k < kMacroBlockCount; ++k) {
        const auto block = record.macro_block(k);
        std::fill(block.begin(), block.end(), static_cast<std::uint8_t>(0xA0 + k));
    }
    return record;
}

Bytes BlockBytes(const ProfileRecord& record, std::size_t k) {
    const auto block = record.macro_block(k);
    return Bytes(block.begin(), block.end());
}

Bytes BlockOf(std::uint8_t loop_high, std::uint8_t loop_low, const Bytes& events) {
    Bytes block(kMacroBlockSize, 0);
    block[0] = loop_high;
    block[1] = loop_low;
    std::copy(events.begin(), events.end(), block.begin() + 2);
    return block;
}

TEST(MacroEncoderTest, RebuildsTheBlocksOfTheSectionsInFileOrder) {
    const IniFile file = IniFile::Parse(
        "[Run]\r\nItemCount=4\r\nItem0=A   Dn\r\nItem1=50 ms\r\nItem2=A   Up\r\nItem3=50 ms\r\n"
        "[Empty]\r\nItemCount=0\r\n"
        "[NoCount]\r\nItem0=A   Dn\r\n"
        "[Negative]\r\nItemCount=-3\r\nItem0=A   Dn\r\n"
        "[run]\r\nItemCount=2\r\nItem0=B   Dn\r\n");
    ProfileRecord record = RecordWithMarkedBlocks();
    SetMacroLoopCount(record, 0, 1);
    EncodeMacroBlocks(file, record);

    EXPECT_EQ(BlockBytes(record, 0), BlockOf(0x00, 0x01, {0x05, 0x04, 0x85, 0x04}));
    // No items: the whole block is cleared, loop count too.
    EXPECT_EQ(BlockBytes(record, 1), Bytes(kMacroBlockSize, 0));
    EXPECT_EQ(BlockBytes(record, 2), Bytes(kMacroBlockSize, 0));
    // A count below zero reads no items but is not 0: the loop count stays.
    EXPECT_EQ(BlockBytes(record, 3), BlockOf(0xA3, 0xA3, {}));
    // "[run]" is the same section as "[Run]"; blocks past the last section keep their bytes.
    EXPECT_EQ(BlockBytes(record, 4), Bytes(kMacroBlockSize, 0xA4));
    EXPECT_EQ(BlockBytes(record, 11), Bytes(kMacroBlockSize, 0xAB));
}

std::string SectionText(const std::string& name, const Items& items, const std::string& count) {
    std::string text = "[" + name + "]\nItemCount=" + count + "\n";
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += "Item" + std::to_string(i) + "=" + items[i] + "\n";
    }
    return text;
}

TEST(MacroEncoderTest, NeverWritesPastABlockOrPastTheTwelfth) {
    std::string text = SectionText("Long", RepeatedEvents(40, "2000 ms"), "80");
    for (int k = 1; k < 14; ++k) {
        text += SectionText(std::string("M").append(std::to_string(k)), {"B   Dn", "50 ms"}, "2");
    }
    ProfileRecord record = RecordWithMarkedBlocks();
    const ProfileRecord::Bytes before = record.bytes();
    testing::RecordingMessages trace;
    EncodeMacroBlocks(IniFile::Parse(text), record, &trace);

    Bytes long_events;
    for (int i = 0; i < 31; ++i) {
        long_events.insert(long_events.end(), {0x00, 0x04, 20, 0x03});
    }
    EXPECT_EQ(BlockBytes(record, 0), BlockOf(0xA0, 0xA0, long_events));
    EXPECT_EQ(BlockBytes(record, 11), BlockOf(0xAB, 0xAB, {0x05, 0x05}));
    // Everything outside the macro area is untouched.
    EXPECT_TRUE(
        std::equal(before.begin(), before.begin() + kMacroBlocksOffset, record.bytes().begin()));
    EXPECT_TRUE(std::equal(before.begin() + kReservedHeadOffset, before.end(),
                           record.bytes().begin() + kReservedHeadOffset));
    EXPECT_EQ(trace.traces, (std::vector<std::string>{
                                "Macro 0: 160 event bytes, 124 kept",
                                "record.ini holds 14 macros; only the first 12 are encoded"}));
}

TEST(MacroEncoderTest, AHostileItemCountReadsOnlyWhatABlockCanUse) {
    const IniFile file =
        IniFile::Parse("[Huge]\nItemCount=2147483647\nItem0=A   Dn\nItem1=50 ms\nItem200=B   Dn\n");
    ProfileRecord record;
    EncodeMacroBlocks(file, record);
    EXPECT_EQ(BlockBytes(record, 0), BlockOf(0, 0, {0x05, 0x04}));
}

}  // namespace
}  // namespace corvanti
