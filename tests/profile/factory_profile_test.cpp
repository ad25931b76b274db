#include "profile/factory_profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "profile/key_function.h"

namespace corvanti {
namespace {

TEST(FactoryProfile, BothKeyModesSendTheDefaultLayoutWithRealParameters) {
    const std::uint32_t expected[kKeyMatrixWordCount] = {
        0x00f00001,  // slot 0 Left Click
        0x00f10001,  // slot 1 Right Click
        0x00f20001,  // slot 2 Mid Click
        0x0022f00a,  // slot 7 fire key: left button, speed 34, until released
        0x01940003,  // slot 8 "My Computer"
        0x0322f00a,  // slot 6 Triple-click
        0x00030007,  // slot 3 "DPI Loop"
        0x00030008,  // slot 9 RGB On/Off
        0x00b50003,  // slot 5 "Next"
        0x00b60003,  // slot 4 "Previous"
        0,          0, 0, 0, 0x00f70001, 0x00f80001,
    };
    const ProfileRecord record = FactoryProfile();
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        const KeyMatrix matrix = BuildKeyMatrix(record, mode);
        for (std::size_t position = 0; position < kKeyMatrixWordCount; ++position) {
            EXPECT_EQ(KeyMatrixWordValue(matrix, position), expected[position])
                << "position " << position;
        }
    }
}

TEST(FactoryProfile, ListIndexesMatchTheCodesTheyStandBeside) {
    const ProfileRecord record = FactoryProfile();
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        EXPECT_EQ(record.slot(mode, SlotField::MultimediaIndex, 4), 1);  // "Previous"
        EXPECT_EQ(record.slot(mode, SlotField::MultimediaIndex, 5), 0);  // "Next"
        EXPECT_EQ(record.slot(mode, SlotField::FireKeyIndex, 7), 54);    // "L-Button"
        EXPECT_EQ(record.slot(mode, SlotField::WindowsIndex, 8), 3);     // "My Computer"
        EXPECT_EQ(record.slot(mode, SlotField::FunctionType, 10), 15);
        EXPECT_EQ(record.slot(mode, SlotField::FunctionType, 11), 15);
    }
}

TEST(FactoryProfile, PerformanceLightingAndPointerAreUsable) {
    const ProfileRecord record = FactoryProfile();
    EXPECT_EQ(record.report_rate_code(), 1);
    std::set<std::uint8_t> levels;
    std::set<std::uint32_t> colours;
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        EXPECT_TRUE(record.dpi_stage_enabled(stage));
        EXPECT_LT(record.dpi_level(stage), 8) << "every sensor has at least eight levels";
        levels.insert(record.dpi_level(stage));
        const Rgb colour = record.dpi_colour(stage);
        colours.insert(
            static_cast<std::uint32_t>(colour.red << 16 | colour.green << 8 | colour.blue));
    }
    EXPECT_EQ(levels.size(), kDpiStageCount);
    EXPECT_EQ(colours.size(), kDpiStageCount);

    EXPECT_EQ(record.lighting_mode(), 1);
    EXPECT_LE(record.lighting_parameter(1), 9);
    EXPECT_LE(record.lighting_parameter(2), 4);
    EXPECT_LE(record.lighting_parameter(3), 29);
    EXPECT_EQ(record.respiration_effect(), 1);
    EXPECT_EQ(record.neon_effect(), 2);

    ProfileRecord pointer_defaults = record;
    ApplyDefaultPointerSettings(pointer_defaults);
    EXPECT_EQ(pointer_defaults, record);
    EXPECT_EQ(record.shown_key_mode(), KeyMode::A);
    EXPECT_TRUE(std::ranges::all_of(record.macro_area(), [](std::uint8_t b) { return b == 0; }));
}

}  // namespace
}  // namespace corvanti
