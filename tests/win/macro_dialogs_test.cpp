// Runs the macro key and delay time dialogs over the committed skins under the real dialog
// manager: choosing a stored macro and a repeat mode, and typing a delay.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "assign/win/windows_capture_dialogs.h"
#include "common/text_encoding.h"
#include "dialog_script.h"
#include "macro/delay_time_dialog_layout.h"
#include "macro/macro_key_dialog_layout.h"
#include "macro/win/delay_time_dialog.h"
#include "macro/win/macro_dialog.h"
#include "skin/frame_layout.h"
#include "skin/win/skin_image.h"
#include "support/recording_messages.h"
#include "support/scratch_folder.h"

namespace corvanti::macro {
namespace {

using testing::Click;
using testing::DialogScript;
using testing::PixelAt;

// Plays steps that need only the dialog's window.
INT_PTR RunScript(skin::SkinnedDialogFrame& dialog, std::vector<std::function<void(HWND)>> steps) {
    std::vector<DialogScript::Step> frame_steps;
    for (auto& step : steps) {
        frame_steps.push_back([step](skin::SkinnedDialogFrame& frame) { step(frame.hwnd()); });
    }
    return DialogScript(std::move(frame_steps)).Run(dialog);
}

SkinContext DefaultSkin() {
    return {std::string(CORVANTI_SKINS_DIR) + "/Default", Rgb{255, 255, 255}, "EN"};
}

void ChooseMacro(HWND hwnd, int entry) {
    testing::ChooseListEntry(hwnd, kMacroKeyListId, entry);
}

ClientPoint TickCentre(int mode) {
    const ClientRect tick = kRepeatModeTable[static_cast<std::size_t>(mode - 1)].tick;
    return {(tick.left + tick.right) / 2, (tick.top + tick.bottom) / 2};
}

class MacroDialogsTest : public ::testing::Test {
  protected:
    // More than the program itself would save: only the first twelve have a block.
    void StoreMacros(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += "[Macro " + std::to_string(i) + "]\r\nItemCount=1\r\nItem0=A   Dn\r\n";
        }
        corvanti::testing::WriteBytes(
            store.path(),
            std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    }

    skin::GdiplusSession gdiplus;
    corvanti::testing::ScratchFolder folder;
    MacroStore store{folder / "record.ini"};
    corvanti::testing::RecordingMessages messages;
};

TEST_F(MacroDialogsTest, MacroDialogChoosesAStoredMacroAndARepeatMode) {
    StoreMacros(13);
    LRESULT listed = -1;
    std::string shown_after_choice;
    COLORREF value_box_ground = 0;
    COLORREF mode1_before = 0, mode1_after = 0, mode3_before = 0, mode3_after = 0;
    CMacroDialog dialog(DefaultSkin(), store, &messages);
    const INT_PTR result = RunScript(
        dialog,
        {[&](HWND h) {
             Click(h, {145, 135});
         },  // the arrow
         [&](HWND h) {
             listed = SendDlgItemMessageW(h, kMacroKeyListId, LB_GETCOUNT, 0, 0);
             ChooseMacro(h, 2);
         },
         [&](HWND h) {
             shown_after_choice = testing::ControlText(h, kMacroValueBoxId);
             value_box_ground = PixelAt(h, {kMacroValueBox.right - 4, kMacroValueBox.top + 4});
             Click(h, {60, 135});  // the value box opens the list again
         },
         [&](HWND h) { ChooseMacro(h, 11); },
         [&](HWND h) {
             mode1_before = PixelAt(h, TickCentre(1));
             mode3_before = PixelAt(h, TickCentre(3));
             const ClientPoint tick = TickCentre(3);
             Click(h, tick);
         },
         [&](HWND h) {
             mode1_after = PixelAt(h, TickCentre(1));
             mode3_after = PixelAt(h, TickCentre(3));
             Click(h, {200, 260});
         }});
    EXPECT_EQ(result, kDialogOk);
    EXPECT_EQ(listed, 12) << "only macros with a block can be bound";
    EXPECT_EQ(shown_after_choice, "Macro 2");
    EXPECT_EQ(value_box_ground, RGB(40, 40, 40));
    EXPECT_EQ(dialog.result().macro_index, 11);
    EXPECT_EQ(dialog.result().macro_name, "Macro 11");
    EXPECT_EQ(dialog.result().repeat_mode, 3);
    // The tick moved: mode 1 now looks as mode 3 did, and the other way round.
    EXPECT_NE(mode1_before, mode3_before);
    EXPECT_EQ(mode1_after, mode3_before);
    EXPECT_EQ(mode3_after, mode1_before);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MacroDialogsTest, MacroDialogStartsFreshAndOpensAnEmptyListWithoutAFile) {
    LRESULT listed = -1;
    CMacroDialog dialog(DefaultSkin(), store, &messages);
    const INT_PTR result =
        RunScript(dialog, {[&](HWND h) {
                               Click(h, {145, 135});
                           },
                           [&](HWND h) {
                               listed = SendDlgItemMessageW(h, kMacroKeyListId, LB_GETCOUNT, 0, 0);
                               Click(h, {200, 260});
                           }});
    EXPECT_EQ(result, kDialogOk);
    EXPECT_EQ(listed, 0);
    EXPECT_EQ(dialog.result().macro_index, 0);
    EXPECT_EQ(dialog.result().macro_name, "");
    EXPECT_EQ(dialog.result().repeat_mode, 1);
}

TEST_F(MacroDialogsTest, TheButtonAssignmentRunsItAsItsMacroKeyChooser) {
    StoreMacros(3);
    const SkinContext context = DefaultSkin();
    DialogScript choose({[](skin::SkinnedDialogFrame& f) {
                             Click(f.hwnd(), {145, 135});
                         },
                         [](skin::SkinnedDialogFrame& f) { ChooseMacro(f.hwnd(), 2); },
                         [](skin::SkinnedDialogFrame& f) { Click(f.hwnd(), TickCentre(3)); },
                         [](skin::SkinnedDialogFrame& f) {
                             Click(f.hwnd(), {200, 260});
                         }});
    assign::WindowsCaptureDialogs dialogs(
        context, choose.Runner(), [&] { return ChooseMacroKey(context, store, choose.Runner()); });
    const std::optional<MacroKeyChoice> chosen = dialogs.ChooseMacroKey();
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->macro_index, 2);
    EXPECT_EQ(chosen->macro_name, "Macro 2");
    EXPECT_EQ(chosen->repeat_mode, 3);

    DialogScript close({[](skin::SkinnedDialogFrame& f) { Click(f.hwnd(), {360, 10}); }});
    EXPECT_EQ(ChooseMacroKey(context, store, close.Runner()), std::nullopt);
}

void TypeInto(HWND edit, const std::wstring& keys) {
    for (wchar_t c : keys) {
        SendMessageW(edit, WM_CHAR, c, 0);
    }
}

TEST_F(MacroDialogsTest, DelayDialogKeepsTheTypedDigitsAndTheirValue) {
    struct Case {
        std::wstring typed;
        ClientPoint click;
        INT_PTR result;
        DelayEntry entry;
    };
    const Case cases[] = {
        {L"0x00a5-0", {200, 260}, kDialogOk, {50, "00050"}},  // only digits can be typed
        {L"", {200, 260}, kDialogOk, {0, ""}},
        {L"123", {360, 10}, kDialogCancel, {123, "123"}},
    };
    for (const Case& c : cases) {
        RECT edit_area{};
        CDelayTimeDialog dialog(DefaultSkin(), &messages);
        const INT_PTR result = RunScript(
            dialog, {[&](HWND h) {
                         const HWND edit = GetDlgItem(h, kDelayEditId);
                         GetWindowRect(edit, &edit_area);
                         MapWindowPoints(nullptr, h, reinterpret_cast<POINT*>(&edit_area), 2);
                         TypeInto(edit, c.typed);
                     },
                     [&](HWND h) { Click(h, c.click); }});
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(dialog.result().value, c.entry.value);
        EXPECT_EQ(dialog.result().text, c.entry.text);
        EXPECT_EQ((ClientRect{edit_area.left, edit_area.top, edit_area.right, edit_area.bottom}),
                  kDelayEditArea);
    }
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace corvanti::macro
