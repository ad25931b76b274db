#include "profile/parameter_lists.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(FireKeyList, IndexesGiveTheirKeyCodes) {
    struct Case {
        std::size_t index;
        std::string_view name;
        std::uint8_t code;
    };
    const Case cases[] = {
        {0, "A", 0x04},          {25, "Z", 0x1D},
        {26, "1", 0x1E},         {35, "0", 0x27},
        {36, "L-CTRL", 0xE0},    {38, "L-ALT", 0xE2},
        {39, "R-CTRL", 0xE4},    {40, "R-SHIFT", 0xE5},
        {41, "R-ALT", 0xE6},     {42, "F1", 0x3A},
        {53, "F12", 0x45},       {54, "L-Button", 0xF0},
        {57, "B4-Button", 0xF3}, {60, "R-Tilt Wheel", 0xF6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FireKeyList()[c.index].name, c.name);
        EXPECT_EQ(FireKeyCodeOf(c.index), c.code) << c.index;
    }
    EXPECT_EQ(FireKeyCodeOf(61), 0);
    EXPECT_EQ(FireKeyCodeOf(255), 0);
}

TEST(MultimediaList, EveryEntryAndNothingPastIt) {
    const std::pair<std::string_view, std::uint8_t> expected[] = {
        {"Next", 0xB5}, {"Previous", 0xB6}, {"Stop", 0xB7}, {"Play/Pause", 0xCD},
        {"Mute", 0xE2}, {"Vol+", 0xE9},     {"Vol-", 0xEA},
    };
    for (std::size_t index = 0; index < kMultimediaCount; ++index) {
        EXPECT_EQ(MultimediaList()[index].name, expected[index].first);
        EXPECT_EQ(MultimediaUsageOf(index), expected[index].second);
    }
    EXPECT_EQ(MultimediaUsageOf(kMultimediaCount), 0);
}

TEST(WindowsFunctionList, UsageBytesWithTheHighByteFromTheIndex) {
    struct Case {
        std::size_t index;
        std::string_view name;
        std::uint8_t low;
        std::uint8_t high;
    };
    const Case cases[] = {
        {0, "Multimedia Player", 0x83, 1},
        {3, "My Computer", 0x94, 1},
        {4, "Browser-Search", 0x21, 2},
        {10, "Browser-My Favorites", 0x2A, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WindowsFunctionList()[c.index].name, c.name);
        EXPECT_EQ(WindowsFunctionUsageLowOf(c.index), c.low) << c.index;
        EXPECT_EQ(WindowsFunctionUsageHighOf(c.index), c.high) << c.index;
    }
    for (std::size_t index : {std::size_t{11}, std::size_t{255}}) {
        EXPECT_EQ(WindowsFunctionUsageLowOf(index), 0);
        EXPECT_EQ(WindowsFunctionUsageHighOf(index), 0);
    }
}

// The mouse is sent the high byte by the index rule; a row whose usage disagreed with it would
// send a different function from the one the dialog showed.
TEST(WindowsFunctionList, IndexRuleAgreesWithEveryUsage) {
    for (std::size_t index = 0; index < kWindowsFunctionCount; ++index) {
        EXPECT_EQ(WindowsFunctionUsageHighOf(index), WindowsFunctionList()[index].usage >> 8)
            << index;
    }
}

TEST(MacroRepeatModes, StoredModeGivesItsText) {
    EXPECT_EQ(MacroRepeatModeTextOfStored(0),
              "Repeat a specified number of times or press any key to end");
    EXPECT_EQ(MacroRepeatModeTextOfStored(1), "Repeat until press any key to end");
    EXPECT_EQ(MacroRepeatModeTextOfStored(2), "Repeat until the key is released");
    EXPECT_EQ(MacroRepeatModeTextOfStored(3), "");
}

}  // namespace
}  // namespace corvanti
