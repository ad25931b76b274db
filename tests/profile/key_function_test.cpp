#include "profile/key_function.h"

#include <gtest/gtest.h>

#include "profile/key_name_table.h"

namespace corvanti {
namespace {

KeyFunctionWord WordAt(const KeyMatrix& matrix, std::size_t position) {
    return {matrix[4 * position], matrix[4 * position + 1], matrix[4 * position + 2],
            matrix[4 * position + 3]};
}

TEST(KeyMatrix, DefaultLayoutOverZeroParametersGivesTheKnownWords) {
    ProfileRecord record;
    ApplyDefaultKeyLayout(record);
    const KeyFunctionWord expected[kKeyMatrixWordCount] = {
        {0x01, 0x00, 0xF0, 0x00},
        {0x01, 0x00, 0xF1, 0x00},
        {0x01, 0x00, 0xF2, 0x00},
        {0x0A, 0x00, 0x00, 0x00},
        {0x03, 0x00, 0x00, 0x00},
        {0x0A, 0xF0, 0x22, 0x03},
        {0x07, 0x00, 0x03, 0x00},
        {0x08, 0x00, 0x03, 0x00},
        {0x03, 0x00, 0x00, 0x00},
        {0x03, 0x00, 0x00, 0x00},
        {},
        {},
        {},
        {},
        {0x01, 0x00, 0xF7, 0x00},
        {0x01, 0x00, 0xF8, 0x00},
    };
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        const KeyMatrix matrix = BuildKeyMatrix(record, mode);
        for (std::size_t position = 0; position < kKeyMatrixWordCount; ++position) {
            EXPECT_EQ(WordAt(matrix, position), expected[position]) << "position " << position;
        }
    }
}

TEST(KeyMatrix, EachKeyModeIsBuiltFromItsOwnBlock) {
    ProfileRecord record;
    record.set_slot(KeyMode::B, SlotField::FunctionType, 0,
                    static_cast<std::uint8_t>(FunctionType::KeyOff));
    EXPECT_EQ(WordAt(BuildKeyMatrix(record, KeyMode::A), 0), (KeyFunctionWord{1, 0, 0xF0, 0}));
    EXPECT_EQ(WordAt(BuildKeyMatrix(record, KeyMode::B), 0), KeyFunctionWord{});
}

TEST(KeyMatrix, WordValueReadsByteZeroAsLeastSignificant) {
    ProfileRecord record;
    const KeyMatrix matrix = BuildKeyMatrix(record, KeyMode::A);
    EXPECT_EQ(KeyMatrixWordValue(matrix, 0), 0x00f00001u);
    EXPECT_EQ(KeyMatrixWordValue(matrix, 15), 0x00f80001u);
    EXPECT_EQ(KeyMatrixWordValue(matrix, 16), 0u);
}

// Every parameter field of slot 2 holds 0x10 + its field number, so a word that reads the
// wrong field shows it.
TEST(KeyFunctionWord, EveryFunctionTypeReadsItsOwnFields) {
    struct Case {
        std::uint8_t type;
        KeyFunctionWord word;
    };
    const Case cases[] = {
        {0, {0x01, 0, 0xF0, 0}},
        {1, {0x01, 0, 0xF1, 0}},
        {2, {0x01, 0, 0xF2, 0}},
        {3, {0x01, 0, 0xF4, 0}},
        {4, {0x01, 0, 0xF3, 0}},
        {5, {0x0A, 0xF0, 0x22, 0x03}},
        {7, {0x08, 0, 0x03, 0}},
        {8, {0x03, 0, 0x14, 0x15}},
        {9, {0x03, 0, 0x12, 0}},
        {10, {0x0A, 0x17, 0x18, 0x19}},
        {11, {0x00, 0, 0x1A, 0}},
        {12, {0x00, 0x1B, 0x1C, 0x1D}},
        {13, {0x09, 0x1F, 0x1F, 0}},
        {14, {0x08, 0, 0x02, 0}},
        {15, {}},
        {16, {}},
        {0xFF, {}},
    };
    ProfileRecord record;
    for (std::uint8_t field = 1; field < kSlotFieldCount; ++field) {
        record.set_slot(KeyMode::A, static_cast<SlotField>(field), 2,
                        static_cast<std::uint8_t>(0x10 + field));
    }
    for (const Case& c : cases) {
        record.set_slot(KeyMode::A, SlotField::FunctionType, 2, c.type);
        EXPECT_EQ(KeyFunctionWordOf(record, KeyMode::A, 2), c.word) << "type " << int{c.type};
    }
}

TEST(KeyFunctionWord, DpiSwitchCarriesTheSlotsCodeAndFlagsOnlyShiftDpi) {
    const std::pair<std::uint8_t, KeyFunctionWord> cases[] = {
        {1, {0x07, 0, 0x01, 0}}, {2, {0x07, 0, 0x02, 0}}, {3, {0x07, 0, 0x03, 0}},
        {4, {0x07, 0, 0x04, 1}}, {0, {0x07, 0, 0x00, 0}},
    };
    ProfileRecord record;
    record.set_slot(KeyMode::B, SlotField::FunctionType, 5,
                    static_cast<std::uint8_t>(FunctionType::DpiSwitch));
    for (const auto& [code, word] : cases) {
        record.set_dpi_switch_code(KeyMode::B, 5, code);
        EXPECT_EQ(KeyFunctionWordOf(record, KeyMode::B, 5), word) << "code " << int{code};
    }
}

TEST(KeyFunctionWord, ComboAndMacroWordsFromDialogChoices) {
    ProfileRecord record;
    record.set_slot(KeyMode::A, SlotField::FunctionType, 0,
                    static_cast<std::uint8_t>(FunctionType::ComboKey));
    record.set_slot(KeyMode::A, SlotField::ComboModifiers, 0, ModifierMaskOfName("Left Shift"));
    record.set_slot(KeyMode::A, SlotField::ComboFirstKey, 0, KeyCodeOfName("A"));
    record.set_slot(KeyMode::A, SlotField::ComboSecondKey, 0, KeyCodeOfName("Not A Key"));
    EXPECT_EQ(KeyFunctionWordOf(record, KeyMode::A, 0), (KeyFunctionWord{0x00, 0x02, 0x04, 0}));

    // The third macro with repeat mode 3 ("until the key is released").
    record.set_slot(KeyMode::A, SlotField::FunctionType, 1,
                    static_cast<std::uint8_t>(FunctionType::MacroKey));
    record.set_slot(KeyMode::A, SlotField::MacroIndex, 1, 2);
    record.set_slot(KeyMode::A, SlotField::MacroRepeatMode, 1, 3 - 1);
    EXPECT_EQ(KeyFunctionWordOf(record, KeyMode::A, 1), (KeyFunctionWord{0x09, 0x02, 0x03, 0}));
}

TEST(KeyFunctionWord, SlotPastTheArraysIsKeyOff) {
    ProfileRecord record;  // type 0 everywhere would read as "Left Click"
    EXPECT_EQ(KeyFunctionWordOf(record, KeyMode::A, kSlotsPerArray), KeyFunctionWord{});
    EXPECT_EQ(KeyFunctionWordOf(record, KeyMode::A, 1000), KeyFunctionWord{});
}

TEST(FunctionList, NamesOfTypesAndDpiCodes) {
    EXPECT_EQ(FunctionTypeName(0), "Left Click");
    EXPECT_EQ(FunctionTypeName(5), "Triple-click");
    EXPECT_EQ(FunctionTypeName(15), "Key Off");
    EXPECT_EQ(FunctionTypeName(16), "");
    EXPECT_EQ(DpiSwitchName(1), "DPI +");
    EXPECT_EQ(DpiSwitchName(4), "Shift DPI");
    EXPECT_EQ(DpiSwitchName(0), "");
    EXPECT_EQ(DpiSwitchName(5), "");
}

}  // namespace
}  // namespace corvanti
