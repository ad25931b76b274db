#include "assign/button_assignment.h"

#include <gtest/gtest.h>

#include "assign/button_captions.h"
#include "assign/button_drawing.h"
#include "assign/button_geometry.h"
#include "assign/function_list.h"
#include "assign/scripted_capture_dialogs.h"
#include "support/recording_messages.h"

namespace corvanti {
namespace {

using testing::RecordingMessages;
using testing::ScriptedCaptureDialogs;
using testing::ShownMessage;

constexpr int kNone = -1;

std::uint8_t Type(FunctionType type) {
    return static_cast<std::uint8_t>(type);
}

int Entry(FunctionType type) {
    return static_cast<int>(type);
}

// The key page with the default key layout and its captions, "Mode A" shown.
class ButtonAssignmentTest : public ::testing::Test {
  protected:
    ButtonAssignmentTest() { Reset(); }

    void Reset() {
        record = ProfileRecord{};
        ApplyDefaultKeyLayout(record);
        captions = FirstRunCaptions(texts);
    }

    std::uint8_t TypeOf(KeyMode mode, std::size_t slot) const {
        return record.slot(mode, SlotField::FunctionType, slot);
    }
    void SetType(KeyMode mode, std::size_t slot, FunctionType type) {
        record.set_slot(mode, SlotField::FunctionType, slot, Type(type));
    }
    // Opens button k's list and chooses an entry in it.
    ButtonListOutcome Choose(int button, int entry) {
        flow.ToggleList(button);
        return flow.ChooseFunction(entry);
    }

    LanguageTexts texts{Language::English};
    ProfileRecord record;
    ButtonCaptions captions;
    ScriptedCaptureDialogs dialogs;
    RecordingMessages messages;
    ButtonAssignment flow{record, captions, texts, dialogs, messages};
};

TEST_F(ButtonAssignmentTest, TheOnlyLeftClickRefusesToOpenItsListWithAWarning) {
    const ProfileRecord before = record;
    const auto outcome = flow.ToggleList(1);
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{"Left key must be selected!", "Warning"}}));
    EXPECT_FALSE(outcome.create_list);
    EXPECT_EQ(flow.lists().OpenSlot(), std::nullopt);
    EXPECT_EQ(record, before);

    // A second Left Click anywhere, even on a slot without a box, frees button 1.
    for (std::size_t other : {2u, 11u}) {
        SetType(KeyMode::A, other, FunctionType::LeftClick);
        const auto opened = flow.ToggleList(1);
        ASSERT_TRUE(opened.create_list) << "other Left Click on slot " << other;
        EXPECT_EQ(opened.create_list->control_id, 41);
        EXPECT_EQ(opened.create_list->area, (ClientRect{252, 221, 463, 491}));
        EXPECT_EQ(opened.create_list->entries, FunctionListEntries(texts));
        flow.ToggleList(1);
        SetType(KeyMode::A, other, FunctionType::RightClick);
    }
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(ButtonAssignmentTest, TheWarningIsInTheWindowsLanguageAndFollowsTheShownMode) {
    const LanguageTexts chinese(Language::SimplifiedChinese);
    ButtonAssignment chinese_flow{record, captions, chinese, dialogs, messages};
    // In mode B button 2 is the only Left Click; button 1 is free there.
    SetType(KeyMode::B, 0, FunctionType::KeyOff);
    SetType(KeyMode::B, 1, FunctionType::LeftClick);
    chinese_flow.ShowKeyMode(KeyMode::B);
    EXPECT_TRUE(chinese_flow.ToggleList(1).create_list);
    chinese_flow.ToggleList(2);
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{"左键功能必须选择！", "Warning"}}));
}

TEST_F(ButtonAssignmentTest, AtMostOneListIsOpenAndASecondClickClosesIt) {
    auto outcome = flow.ToggleList(5);
    EXPECT_EQ(outcome.destroy_list, std::nullopt);
    ASSERT_TRUE(outcome.create_list);
    EXPECT_EQ(outcome.create_list->control_id, 45);

    outcome = flow.ToggleList(8);
    EXPECT_EQ(outcome.destroy_list, 45);
    ASSERT_TRUE(outcome.create_list);
    EXPECT_EQ(outcome.create_list->control_id, 48);
    EXPECT_EQ(outcome.create_list->area, (ClientRect{463, 123, 674, 393}));
    EXPECT_EQ(flow.lists().OpenSlot(), 7u);

    outcome = flow.ToggleList(8);
    EXPECT_EQ(outcome.destroy_list, 48);
    EXPECT_FALSE(outcome.create_list);
    EXPECT_EQ(flow.lists().OpenSlot(), std::nullopt);

    // The refused button still closes the list that was open.
    flow.ToggleList(3);
    outcome = flow.ToggleList(1);
    EXPECT_EQ(outcome.destroy_list, 43);
    EXPECT_FALSE(outcome.create_list);

    for (int outside : {0, 11, -3}) {
        outcome = flow.ToggleList(outside);
        EXPECT_FALSE(outcome.create_list) << outside;
        EXPECT_FALSE(outcome.destroy_list) << outside;
    }
}

TEST_F(ButtonAssignmentTest, NoSelectionAndDpiSwitchLeaveTheListOpenAndTheButtonAsItWas) {
    flow.ToggleList(2);
    const ProfileRecord before = record;
    const ButtonCaptions captions_before = captions;
    for (int entry : {kNone, Entry(FunctionType::DpiSwitch), 16, -7}) {
        const auto outcome = flow.ChooseFunction(entry);
        EXPECT_FALSE(outcome.destroy_list) << entry;
        EXPECT_TRUE(outcome.draw.empty()) << entry;
        EXPECT_EQ(flow.lists().OpenSlot(), 1u) << entry;
    }
    EXPECT_EQ(record, before);
    EXPECT_EQ(captions, captions_before);
    // Without an open list a choice has no button to go to.
    flow.ToggleList(2);
    EXPECT_FALSE(flow.ChooseFunction(Entry(FunctionType::Forward)).destroy_list);
    EXPECT_EQ(record, before);
}

TEST_F(ButtonAssignmentTest, AChoiceGoesToTheShownModeOnlyAndRepaintsTheBox) {
    for (KeyMode shown : {KeyMode::A, KeyMode::B}) {
        Reset();
        flow.ShowKeyMode(shown);
        const KeyMode other = shown == KeyMode::A ? KeyMode::B : KeyMode::A;
        // Button 1 is the only Left Click of the default layout; button 3 frees it.
        SetType(shown, 2, FunctionType::LeftClick);
        const auto outcome = Choose(1, Entry(FunctionType::Backward));
        EXPECT_EQ(outcome.destroy_list, 41);
        EXPECT_EQ(outcome.draw, DrawDropdownBox(0, "Backward"));
        EXPECT_EQ(TypeOf(shown, 0), Type(FunctionType::Backward));
        EXPECT_EQ(ButtonCaption(captions, shown, 0), "Backward");
        EXPECT_EQ(TypeOf(other, 0), Type(FunctionType::LeftClick));
        EXPECT_EQ(ButtonCaption(captions, other, 0), "Left Click");
        EXPECT_EQ(flow.lists().OpenSlot(), std::nullopt);
    }
}

TEST_F(ButtonAssignmentTest, ShiftIsOneKeyForBothModesAmongTheFirstEightButtons) {
    const struct {
        const char* what;
        std::size_t existing_shift_slot;
        bool accepted;
    } cases[] = {
        {"Shift on button 9 is not looked at", 8, true},
        {"Shift on button 10 is not looked at", 9, true},
        {"Shift on button 4 refuses a second", 3, false},
        {"Shift on button 8 refuses a second", 7, false},
    };
    for (const auto& c : cases) {
        Reset();
        flow.ShowKeyMode(KeyMode::B);
        SetType(KeyMode::B, c.existing_shift_slot, FunctionType::Shift);
        const ProfileRecord before = record;

        const auto outcome = Choose(2, Entry(FunctionType::Shift));
        EXPECT_EQ(outcome.destroy_list, 42) << c.what;
        if (c.accepted) {
            for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
                EXPECT_EQ(TypeOf(mode, 1), Type(FunctionType::Shift)) << c.what;
                EXPECT_EQ(ButtonCaption(captions, mode, 1), "Shift") << c.what;
            }
        } else {
            EXPECT_EQ(record, before) << c.what;
            EXPECT_EQ(ButtonCaption(captions, KeyMode::B, 1), "Right Click") << c.what;
        }
    }
}

TEST_F(ButtonAssignmentTest, LeavingShiftChangesBothModesButOnlyTheShownModesParameters) {
    Choose(5, Entry(FunctionType::Shift));
    flow.ShowKeyMode(KeyMode::B);
    dialogs.fire_key = FireKeyChoice{2, "C", 40, 7};
    Choose(5, Entry(FunctionType::FireKey));

    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        EXPECT_EQ(TypeOf(mode, 4), Type(FunctionType::FireKey));
        EXPECT_EQ(ButtonCaption(captions, mode, 4), "Fire Key-C");
    }
    EXPECT_EQ(record.slot(KeyMode::B, SlotField::FireKeyCode, 4), 0x06);
    EXPECT_EQ(record.slot(KeyMode::B, SlotField::FireKeySpeed, 4), 40);
    EXPECT_EQ(record.slot(KeyMode::A, SlotField::FireKeyCode, 4), 0);
    EXPECT_EQ(record.slot(KeyMode::A, SlotField::FireKeySpeed, 4), 0);

    // Once Shift is gone, a change stays in its own mode again.
    Choose(5, Entry(FunctionType::KeyOff));
    EXPECT_EQ(TypeOf(KeyMode::B, 4), Type(FunctionType::KeyOff));
    EXPECT_EQ(TypeOf(KeyMode::A, 4), Type(FunctionType::FireKey));
}

TEST_F(ButtonAssignmentTest, ACancelledDialogClosesTheListAndChangesNothing) {
    const ProfileRecord before = record;
    const ButtonCaptions captions_before = captions;
    const auto outcome = Choose(6, Entry(FunctionType::MacroKey));
    EXPECT_EQ(dialogs.runs, std::vector<std::string>{"macro key"});
    EXPECT_EQ(outcome.destroy_list, 46);
    EXPECT_EQ(outcome.draw, DrawDropdownBox(5, "Multimedia-Next"));
    EXPECT_EQ(record, before);
    EXPECT_EQ(captions, captions_before);
    EXPECT_EQ(flow.lists().OpenSlot(), std::nullopt);
}

TEST_F(ButtonAssignmentTest, AMacroChosenThroughTheListReachesTheKeyMatrixWord) {
    dialogs.macro_key = MacroKeyChoice{2, "Reload", 3};
    Choose(7, Entry(FunctionType::MacroKey));
    EXPECT_EQ(KeyFunctionWordOf(record, KeyMode::A, 6), (KeyFunctionWord{0x09, 0x02, 0x03, 0x00}));
    EXPECT_EQ(ButtonCaption(captions, KeyMode::A, 6), "Macro Key-Reload");
}

TEST_F(ButtonAssignmentTest, TheDpiListGivesTheOpenButtonADpiFunction) {
    flow.ShowKeyMode(KeyMode::B);
    flow.ToggleList(10);
    const auto outcome = flow.ChooseDpiFunction(3);
    EXPECT_EQ(outcome.destroy_list, 50);
    EXPECT_TRUE(outcome.destroy_dpi_list);
    EXPECT_EQ(outcome.draw, DrawDropdownBox(9, "Shift DPI"));
    EXPECT_EQ(TypeOf(KeyMode::B, 9), Type(FunctionType::DpiSwitch));
    EXPECT_EQ(record.dpi_switch_code(KeyMode::B, 9), 4);
    EXPECT_EQ(KeyFunctionWordOf(record, KeyMode::B, 9), (KeyFunctionWord{0x07, 0x00, 0x04, 0x01}));
    EXPECT_EQ(TypeOf(KeyMode::A, 9), Type(FunctionType::RgbOnOff));
    EXPECT_EQ(record.dpi_switch_code(KeyMode::A, 9), 0);
    EXPECT_EQ(flow.lists().OpenSlot(), std::nullopt);
}

TEST_F(ButtonAssignmentTest, TheDpiListKeepsShiftInBothModesOrNone) {
    Choose(2, Entry(FunctionType::Shift));
    flow.ToggleList(2);
    flow.ChooseDpiFunction(0);
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        EXPECT_EQ(TypeOf(mode, 1), Type(FunctionType::DpiSwitch));
        EXPECT_EQ(ButtonCaption(captions, mode, 1), "DPI +");
    }
    EXPECT_EQ(record.dpi_switch_code(KeyMode::A, 1), 1);
    EXPECT_EQ(record.dpi_switch_code(KeyMode::B, 1), 0);
}

TEST_F(ButtonAssignmentTest, TheDpiListIgnoresPositionsPastItsEntriesAndChoicesWithoutAList) {
    const ProfileRecord before = record;
    auto outcome = flow.ChooseDpiFunction(1);
    EXPECT_TRUE(outcome.destroy_dpi_list);
    EXPECT_FALSE(outcome.destroy_list);

    flow.ToggleList(4);
    for (int position : {kNone, 4}) {
        outcome = flow.ChooseDpiFunction(position);
        EXPECT_FALSE(outcome.destroy_list) << position;
        EXPECT_EQ(flow.lists().OpenSlot(), 3u) << position;
    }
    EXPECT_EQ(record, before);
}

TEST_F(ButtonAssignmentTest, AClickClosesTheOpenListUnlessItHitsItsBoxOrArea) {
    const struct {
        ClientPoint click;
        bool closes;
    } cases[] = {
        {{252, 268}, false},  // button 4's box
        {{462, 500}, false},  // the bottom right corner of its list area
        {{463, 300}, true},   // just right of the area
        {{300, 560}, true},   // below the area
        {{300, 199}, true},   // button 1's box
    };
    for (const auto& c : cases) {
        flow.ToggleList(4);
        const auto outcome = flow.CloseListsOutside(c.click);
        EXPECT_TRUE(outcome.destroy_dpi_list);
        EXPECT_EQ(outcome.destroy_list, c.closes ? std::optional<int>(44) : std::nullopt)
            << c.click.x << "," << c.click.y;
        flow.CloseLists();
    }
    EXPECT_FALSE(flow.CloseLists().destroy_list);
}

TEST_F(ButtonAssignmentTest, ShowKeyModeSwitchesTheEditedModeAndDrawsItsCaptions) {
    SetButtonCaption(captions, KeyMode::B, 2, "Combo Key-A");
    const DrawList drawn = flow.ShowKeyMode(KeyMode::B);
    EXPECT_EQ(record.shown_key_mode(), KeyMode::B);
    DrawList expected = DrawKeyModeButtons(KeyMode::B);
    Append(expected, DrawDropdownBoxes(captions, KeyMode::B));
    EXPECT_EQ(drawn, expected);
    EXPECT_EQ(std::get<DrawLabel>(drawn[4 + 3 * 2 + 2]).text, "Combo Key-A");
}

TEST_F(ButtonAssignmentTest, DefaultKeysRestoresTheLayoutAndTheCaptionsOfTheTenButtons) {
    const LanguageTexts chinese(Language::TraditionalChinese);
    ButtonAssignment chinese_flow{record, captions, chinese, dialogs, messages};
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        for (std::size_t slot = 0; slot < kCaptionButtonCount; ++slot) {
            SetButtonCaption(captions, mode, slot, "old");
            SetType(mode, slot, FunctionType::KeyOff);
        }
        record.set_dpi_switch_code(mode, 3, 1);
    }
    chinese_flow.ShowKeyMode(KeyMode::B);

    const DrawList drawn = chinese_flow.DefaultKeys();

    ProfileRecord expected_record;
    ApplyDefaultKeyLayout(expected_record);
    expected_record.set_shown_key_mode(KeyMode::B);
    EXPECT_EQ(record, expected_record);
    const ButtonCaptions defaults = FirstRunCaptions(chinese);
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        for (std::size_t slot = 0; slot < kMouseButtonCount; ++slot) {
            EXPECT_EQ(ButtonCaption(captions, mode, slot), ButtonCaption(defaults, mode, slot));
        }
        EXPECT_EQ(ButtonCaption(captions, mode, 3), "DPI Loop");
        EXPECT_EQ(ButtonCaption(captions, mode, 7), "火力鍵-L-Button");
        EXPECT_EQ(ButtonCaption(captions, mode, 10), "old");
        EXPECT_EQ(ButtonCaption(captions, mode, 11), "old");
    }
    EXPECT_EQ(drawn, DrawDropdownBoxes(captions, KeyMode::B));
}

}  // namespace
}  // namespace corvanti
