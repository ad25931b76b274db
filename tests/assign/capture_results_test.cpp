#include "assign/capture_results.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "assign/scripted_capture_dialogs.h"

namespace corvanti {
namespace {

using testing::ScriptedCaptureDialogs;

constexpr std::size_t kSlot = 4;

struct StoredField {
    SlotField field;
    std::uint8_t value;
};

struct CaptureCase {
    const char* what;
    FunctionType type;
    std::function<void(ScriptedCaptureDialogs&)> answer;
    std::vector<StoredField> stored;
    std::string caption;
};

// Every field of the slot in mode B must be the expected one or stay 0, and mode A must stay
// untouched.
void ExpectOnlyStored(const ProfileRecord& record, const std::vector<StoredField>& stored,
                      const char* what) {
    for (std::size_t f = 0; f < kSlotFieldCount; ++f) {
        const auto field = static_cast<SlotField>(f);
        std::uint8_t expected = 0;
        for (const StoredField& s : stored) {
            if (s.field == field) {
                expected = s.value;
            }
        }
        EXPECT_EQ(record.slot(KeyMode::B, field, kSlot), expected) << what << ", field " << f;
        EXPECT_EQ(record.slot(KeyMode::A, field, kSlot), 0) << what << ", mode A field " << f;
    }
}

TEST(RunCaptureDialog, TurnsEachDialogsResultIntoCodesAndACaption) {
    const CaptureCase cases[] = {
        {"Windows function of the first group",
         FunctionType::Windows,
         [](auto& d) {
             d.windows_function = WindowsFunctionChoice{3, "My Computer"};
         },
         {{SlotField::WindowsIndex, 3},
          {SlotField::WindowsUsageLow, 0x94},
          {SlotField::WindowsUsageHigh, 1}},
         "My Computer"},
        {"Windows function of the browser group",
         FunctionType::Windows,
         [](auto& d) {
             d.windows_function = WindowsFunctionChoice{10, "Browser-My Favorites"};
         },
         {{SlotField::WindowsIndex, 10},
          {SlotField::WindowsUsageLow, 0x2A},
          {SlotField::WindowsUsageHigh, 2}},
         "Browser-My Favorites"},
        {"Windows function past the list",
         FunctionType::Windows,
         [](auto& d) {
             d.windows_function = WindowsFunctionChoice{11, "?"};
         },
         {{SlotField::WindowsIndex, 11}},
         "?"},
        {"multimedia key",
         FunctionType::Multimedia,
         [](auto& d) {
             d.multimedia = MultimediaChoice{4, "Mute"};
         },
         {{SlotField::MultimediaIndex, 4}, {SlotField::MultimediaUsage, 0xE2}},
         "Multimedia-Mute"},
        {"fire key",
         FunctionType::FireKey,
         [](auto& d) {
             d.fire_key = FireKeyChoice{39, "R-CTRL", 5, 0};
         },
         {{SlotField::FireKeyIndex, 39},
          {SlotField::FireKeyCode, 0xE4},
          {SlotField::FireKeySpeed, 5}},
         "Fire Key-R-CTRL"},
        {"fire key with speed and count beyond a byte",
         FunctionType::FireKey,
         [](auto& d) {
             d.fire_key = FireKeyChoice{0, "A", 300, -2};
         },
         {{SlotField::FireKeyCode, 0x04}, {SlotField::FireKeySpeed, 255}},
         "Fire Key-A"},
        {"single key",
         FunctionType::SingleKey,
         [](auto& d) { d.single_key = SingleKeyChoice{"F5"}; },
         {{SlotField::SingleKeyCode, 0x3E}},
         "Single Key-F5"},
        {"single key unknown in this letter case",
         FunctionType::SingleKey,
         [](auto& d) { d.single_key = SingleKeyChoice{"f5"}; },
         {},
         "Single Key-f5"},
        {"combination of modifier and two keys",
         FunctionType::ComboKey,
         [](auto& d) {
             d.combo_key = ComboKeyChoice{"Left Ctrl", "A", "B"};
         },
         {{SlotField::ComboModifiers, 0x01},
          {SlotField::ComboFirstKey, 0x04},
          {SlotField::ComboSecondKey, 0x05}},
         "Combo Key-Left Ctrl+A+B"},
        {"combination of one key",
         FunctionType::ComboKey,
         [](auto& d) {
             d.combo_key = ComboKeyChoice{"", "A", ""};
         },
         {{SlotField::ComboFirstKey, 0x04}},
         "Combo Key-A"},
        {"empty combination",
         FunctionType::ComboKey,
         [](auto& d) { d.combo_key = ComboKeyChoice{}; },
         {},
         "Combo Key-"},
        {"combination of modifier and second key",
         FunctionType::ComboKey,
         [](auto& d) {
             d.combo_key = ComboKeyChoice{"Left Ctrl", "", "B"};
         },
         {{SlotField::ComboModifiers, 0x01}, {SlotField::ComboSecondKey, 0x05}},
         "Combo Key-Left Ctrl+B"},
        {"combination with unknown names",
         FunctionType::ComboKey,
         [](auto& d) {
             d.combo_key = ComboKeyChoice{"left ctrl", "a", "B"};
         },
         {{SlotField::ComboSecondKey, 0x05}},
         "Combo Key-B"},
        {"macro key",
         FunctionType::MacroKey,
         [](auto& d) {
             d.macro_key = MacroKeyChoice{2, "Burst", 3};
         },
         {{SlotField::MacroIndex, 2}, {SlotField::MacroRepeatMode, 2}},
         "Macro Key-Burst"},
        {"macro key with a repeat mode below 1",
         FunctionType::MacroKey,
         [](auto& d) {
             d.macro_key = MacroKeyChoice{1, "Low", 0};
         },
         {{SlotField::MacroIndex, 1}},
         "Macro Key-Low"},
        {"macro key with a repeat mode above 3",
         FunctionType::MacroKey,
         [](auto& d) {
             d.macro_key = MacroKeyChoice{1, "High", 9};
         },
         {{SlotField::MacroIndex, 1}, {SlotField::MacroRepeatMode, 2}},
         "Macro Key-High"},
    };
    const LanguageTexts english(Language::English);
    for (const CaptureCase& c : cases) {
        ScriptedCaptureDialogs dialogs;
        c.answer(dialogs);
        ProfileRecord record;
        const auto caption = RunCaptureDialog(c.type, dialogs, record, KeyMode::B, kSlot, english);
        EXPECT_EQ(caption, c.caption) << c.what;
        ExpectOnlyStored(record, c.stored, c.what);
    }
}

TEST(RunCaptureDialog, CancelStoresNothingAndGivesNoCaption) {
    const LanguageTexts english(Language::English);
    for (FunctionType type :
         {FunctionType::Windows, FunctionType::Multimedia, FunctionType::FireKey,
          FunctionType::SingleKey, FunctionType::ComboKey, FunctionType::MacroKey}) {
        ScriptedCaptureDialogs dialogs;
        ProfileRecord record;
        EXPECT_EQ(RunCaptureDialog(type, dialogs, record, KeyMode::A, kSlot, english),
                  std::nullopt);
        EXPECT_EQ(record, ProfileRecord{});
        EXPECT_EQ(dialogs.runs.size(), 1u) << "one dialog for type " << static_cast<int>(type);
    }
}

TEST(RunCaptureDialog, TypesWithoutADialogRunNone) {
    const LanguageTexts english(Language::English);
    ScriptedCaptureDialogs dialogs;
    ProfileRecord record;
    for (FunctionType type : {FunctionType::LeftClick, FunctionType::DpiSwitch, FunctionType::Shift,
                              FunctionType::KeyOff}) {
        EXPECT_EQ(RunCaptureDialog(type, dialogs, record, KeyMode::A, kSlot, english),
                  std::nullopt);
    }
    EXPECT_TRUE(dialogs.runs.empty());
}

TEST(RunCaptureDialog, CaptionStartsWithTheEntryOfTheWindowsLanguage) {
    ScriptedCaptureDialogs dialogs;
    dialogs.combo_key = ComboKeyChoice{"Left Alt", "Tab", ""};
    ProfileRecord record;
    EXPECT_EQ(RunCaptureDialog(FunctionType::ComboKey, dialogs, record, KeyMode::A, 0,
                               LanguageTexts(Language::TraditionalChinese)),
              "複合鍵-Left Alt+Tab");
}

}  // namespace
}  // namespace corvanti
