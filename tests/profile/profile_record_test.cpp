#include "profile/profile_record.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(ProfileRecord, SlotFieldsLandAtTheirLayoutOffsets) {
    ProfileRecord record;
    record.set_slot(KeyMode::B, SlotField::ComboSecondKey, 9, 0x2C);
    EXPECT_EQ(record.bytes()[kKeyModeBOffset + 13 * kSlotsPerArray + 9], 0x2C);
    record.set_dpi_switch_code(KeyMode::A, 11, 4);
    EXPECT_EQ(record.bytes()[kProfileRecordSize - kSlotsPerArray - 1], 4);
}

TEST(ProfileRecord, OutOfRangeIndexesReadZeroAndWriteNothing) {
    ProfileRecord record;
    record.set_slot(KeyMode::A, SlotField::FunctionType, kSlotsPerArray, 7);
    record.set_dpi_level(kDpiStageCount, 9);
    record.set_lighting_parameter(4, 1);
    EXPECT_EQ(record, ProfileRecord{});
    EXPECT_EQ(record.slot(KeyMode::A, SlotField::FunctionType, 200), 0);
    EXPECT_TRUE(record.macro_block(kMacroBlockCount).empty());
}

TEST(ProfileRecord, DefaultKeyLayoutChangesOnlyFunctionTypesAndSlot3DpiCode) {
    ProfileRecord record;
    record.bytes().fill(0xAB);
    ProfileRecord expected = record;
    ApplyDefaultKeyLayout(record);
    const std::uint8_t types[] = {0, 1, 2, 6, 9, 9, 5, 10, 8, 7, 15, 15};
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        for (std::size_t slot = 0; slot < kSlotsPerArray; ++slot) {
            expected.set_slot(mode, SlotField::FunctionType, slot, types[slot]);
        }
        expected.set_dpi_switch_code(mode, 3, 3);
    }
    EXPECT_EQ(record, expected);
}

TEST(ProfilePair, RestoreBringsBackEveryByte) {
    ProfilePair pair;
    pair.working.set_shown_key_mode(KeyMode::B);
    pair.working.macro_block(11)[127] = 5;
    pair.Snapshot();
    pair.working.bytes().fill(0x11);
    pair.Restore();
    EXPECT_EQ(pair.working, pair.saved);
    EXPECT_EQ(pair.working.shown_key_mode(), KeyMode::B);
    EXPECT_EQ(pair.working.macro_block(11)[127], 5);
}

}  // namespace
}  // namespace corvanti
