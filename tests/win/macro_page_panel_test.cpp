// The macro half of the advanced page on a plain host window that hands it its commands and
// the recorder's keys, as the main window does: controls filled from record.ini, real key
// presses recorded through the thread hook, and the event list edited through its controls.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window_controls.h"
#include "app/main_window_layout.h"
#include "common/text_encoding.h"
#include "common/win/program_messages.h"
#include "dialog_script.h"
#include "macro/delay_time_dialog_layout.h"
#include "macro/macro_block.h"
#include "macro/mouse_event_insertion.h"
#include "macro/win/delay_time_dialog.h"
#include "macro/win/macro_page_panel.h"
#include "skin/win/skin_image.h"
#include "support/recording_messages.h"
#include "support/scratch_folder.h"

namespace corvanti::macro {
namespace {

using Items = std::vector<std::string>;
using testing::ControlText;
using testing::ListTexts;

constexpr testing::PhysicalKey kKeyA{'A', 0x1E, false};
constexpr testing::PhysicalKey kKeyB{'B', 0x30, false};

// A top-level window that hands the panel what the main window would.
class HostWindow {
  public:
    HostWindow() {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = &HostWindow::Procedure;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = L"CorvantiMacroPanelHost";
        RegisterClassW(&window_class);
        hwnd = CreateWindowExW(0, window_class.lpszClassName, L"host", WS_POPUP | WS_VISIBLE, 0, 0,
                               900, 660, nullptr, nullptr, window_class.hInstance, nullptr);
        SetForegroundWindow(hwnd);
        SetFocus(hwnd);
    }
    ~HostWindow() {
        panel = nullptr;
        DestroyWindow(hwnd);
    }

    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
        if (panel != nullptr && message == WM_COMMAND &&
            panel->OnCommand(LOWORD(wparam), HIWORD(wparam))) {
            return 0;
        }
        if (panel != nullptr && message == win::kMacroRecorderKeyMessage) {
            panel->OnRecorderKey(wparam);
            return 0;
        }
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }

    static inline MacroPagePanel* panel = nullptr;
    HWND hwnd = nullptr;
};

ClientRect ChildArea(HWND parent, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(parent, id), &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

// A list box keeps whole lines: its bottom may rise by less than one line.
void ExpectLiesOn(HWND parent, int id, ClientRect area) {
    const ClientRect shown = ChildArea(parent, id);
    const auto line = static_cast<int>(SendDlgItemMessageW(parent, id, LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ((ClientRect{shown.left, shown.top, shown.right, area.bottom}), area) << id;
    EXPECT_LE(shown.bottom, area.bottom) << id;
    EXPECT_GT(shown.bottom, area.bottom - std::max(line, 1)) << id;
}

LRESULT Selection(HWND parent, int list_id) {
    return SendDlgItemMessageW(parent, list_id, LB_GETCURSEL, 0, 0);
}

// The main window moves a list's selection with the pointer, without a notification.
void PointAt(HWND parent, int list_id, int entry) {
    SendDlgItemMessageW(parent, list_id, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

std::string WindowTitle(HWND window) {
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    return WideToUtf8(title);
}

void SetEditText(HWND parent, int edit_id, const wchar_t* text) {
    SetDlgItemTextW(parent, edit_id, text);
}

class MacroPagePanelTest : public ::testing::Test {
  protected:
    // The host's controls still notify it while it goes.
    ~MacroPagePanelTest() override { HostWindow::panel = nullptr; }

    void Save(const std::string& name, const Items& items) {
        ASSERT_EQ(store.SaveMacro(name, items, working), MacroSaveOutcome::kSaved);
    }
    void Make(MacroPagePanel::DelayAsker ask_delay = {}) {
        MacroPageTexts texts{"Start Recording",   "Stop Recording",
                             "Not recording",     "Macro name is blank",
                             "Macro name exists", "Press Ctrl+Break key to stop recording"};
        panel = std::make_unique<MacroPagePanel>(host.hwnd, store, working, messages, texts,
                                                 std::move(ask_delay));
        HostWindow::panel = panel.get();
    }
    HWND Child(int id) const { return GetDlgItem(host.hwnd, id); }

    corvanti::testing::ScratchFolder folder;
    MacroStore store{folder / "record.ini"};
    ProfileRecord working;
    corvanti::testing::RecordingMessages messages;
    HostWindow host;
    std::unique_ptr<MacroPagePanel> panel;
};

TEST_F(MacroPagePanelTest, BuildsItsControlsFromRecordIniAndTakesThemAndTheHookDown) {
    Save("Jump", {"A   Dn", "50 ms", "A   Up"});
    Save("Run", {"B   Dn"});
    SetMacroLoopCount(working, 0, 3);
    Make();
    panel->Create();

    const struct {
        int id;
        ClientRect area;
    } controls[] = {
        {kMacroNameEditId, kMacroNameEditArea},   {kLoopCountEditId, kLoopCountEditArea},
        {kMacroListId, kMacroListArea},           {kEventListId, kEventListArea},
        {kMouseEventTextId, kMouseEventTextArea},
    };
    for (const auto& c : controls) {
        ExpectLiesOn(host.hwnd, c.id, c.area);
    }
    EXPECT_EQ(ListTexts(Child(kMacroListId)), (Items{"Jump", "Run"}));
    EXPECT_EQ(Selection(host.hwnd, kMacroListId), 0);
    EXPECT_EQ(ListTexts(Child(kEventListId)), (Items{"A   Dn", "50 ms", "A   Up"}));
    EXPECT_EQ(ControlText(host.hwnd, kMacroNameEditId), "Jump");
    EXPECT_EQ(ControlText(host.hwnd, kLoopCountEditId), "3");
    EXPECT_EQ(ControlText(host.hwnd, kMouseEventTextId), "");
    EXPECT_EQ(GetWindowLongW(Child(kLoopCountEditId), GWL_STYLE) & ES_NUMBER, ES_NUMBER);

    // The second macro's block has no loop count yet: it becomes 1.
    testing::ChooseListEntry(host.hwnd, kMacroListId, 1);
    EXPECT_EQ(ListTexts(Child(kEventListId)), Items{"B   Dn"});
    EXPECT_EQ(ControlText(host.hwnd, kMacroNameEditId), "Run");
    EXPECT_EQ(ControlText(host.hwnd, kLoopCountEditId), "1");
    EXPECT_EQ(MacroLoopCount(working, 1), 1);

    // The insert list opens and closes with its box and with a click elsewhere.
    panel->OnClick(ClickActionKind::ToggleInsertMouseEventList);
    EXPECT_EQ(ListTexts(Child(kInsertMouseEventListId)).size(), kMouseEventEntries.size());
    ExpectLiesOn(host.hwnd, kInsertMouseEventListId, kInsertMouseEventDropdown.list_area);
    panel->OnClick(ClickActionKind::ToggleInsertMouseEventList);
    EXPECT_EQ(Child(kInsertMouseEventListId), nullptr);
    panel->OnClick(ClickActionKind::ToggleInsertMouseEventList);
    panel->OnClick(ClickActionKind::CloseInsertMouseEventList);
    EXPECT_FALSE(panel->insert_mouse_event_list_open());
    EXPECT_EQ(Child(kInsertMouseEventListId), nullptr);

    panel->OnClick(ClickActionKind::ToggleInsertMouseEventList);
    panel->OnClick(ClickActionKind::StartRecording);
    ASSERT_TRUE(panel->recording());
    panel->Destroy();
    EXPECT_FALSE(panel->recording());
    EXPECT_FALSE(panel->insert_mouse_event_list_open());
    for (int id : {kMacroNameEditId, kLoopCountEditId, kMacroListId, kEventListId,
                   kMouseEventTextId, kInsertMouseEventListId}) {
        EXPECT_EQ(Child(id), nullptr) << id;
    }
    EXPECT_FALSE(panel->OnCommand(kDeleteEventCommandId, 0)) << "no page, no commands";

    // Back on the page: everything is read from record.ini again.
    panel->Create();
    EXPECT_EQ(ListTexts(Child(kEventListId)), (Items{"A   Dn", "50 ms", "A   Up"}));
}

TEST_F(MacroPagePanelTest, RecordsRealKeyPressesAndConfirmsThemIntoRecordIniAndTheBlock) {
    Make();
    panel->Create();
    EXPECT_TRUE(ListTexts(Child(kMacroListId)).empty());
    testing::ClickInto(Child(kMacroNameEditId));
    for (wchar_t c : std::wstring(L"Keys")) {
        SendMessageW(Child(kMacroNameEditId), WM_CHAR, c, 0);
    }
    panel->OnClick(ClickActionKind::NewMacro);
    EXPECT_EQ(ListTexts(Child(kMacroListId)), Items{"Keys"});
    EXPECT_EQ(Selection(host.hwnd, kMacroListId), 0);

    panel->OnClick(ClickActionKind::StartRecording);
    ASSERT_TRUE(panel->recording());
    EXPECT_EQ(WindowTitle(host.hwnd), "Press Ctrl+Break key to stop recording");
    SetForegroundWindow(host.hwnd);
    SetFocus(host.hwnd);
    testing::TypeKey(kKeyA);
    testing::TypeKey(kKeyB);
    testing::PumpMessages();
    panel->OnClick(ClickActionKind::StopRecording);
    EXPECT_FALSE(panel->recording());
    testing::TypeKey(kKeyA);  // no longer recorded
    testing::PumpMessages();
    panel->OnClick(ClickActionKind::ConfirmMacro);

    const Items recorded{"A   Dn", "50 ms", "A   Up", "50 ms", "B   Dn", "50 ms", "B   Up"};
    EXPECT_EQ(ListTexts(Child(kEventListId)), recorded);
    EXPECT_EQ(Selection(host.hwnd, kEventListId), 6);
    EXPECT_EQ(store.ReadMacro("Keys"), recorded);
    const std::vector<std::uint8_t> events(working.macro_block(0).begin() + kLoopCountSize,
                                           working.macro_block(0).begin() + kLoopCountSize + 10);
    // Press and release of A and B with 50 ms each; the last release has no delay after it.
    EXPECT_EQ(events, (std::vector<std::uint8_t>{0x05, 0x04, 0x85, 0x04, 0x05, 0x05, 0x80, 0x05,
                                                 0x00, 0x00}));
    EXPECT_EQ(messages.shown,
              (std::vector<corvanti::testing::ShownMessage>{{"Start Recording", "Corvanti-Tarn"},
                                                            {"Stop Recording", "Corvanti-Tarn"}}));
}

TEST_F(MacroPagePanelTest, EditsLoopCountDelaysAndEventsThroughTheControls) {
    Save("Mix", {"A   Dn", "50 ms", "A   Up", "50 ms"});
    skin::GdiplusSession gdiplus;
    testing::DialogScript delay_script({
        [](skin::SkinnedDialogFrame& f) {
            for (wchar_t c : std::wstring(L"00050")) {
                SendDlgItemMessageW(f.hwnd(), kDelayEditId, WM_CHAR, c, 0);
            }
        },
        [](skin::SkinnedDialogFrame& f) {
            testing::Click(f.hwnd(), {200, 260});
        },  // OK
    });
    const SkinContext skin{std::string(CORVANTI_SKINS_DIR) + "/Default", Rgb{255, 255, 255}, "EN"};
    Make([&] { return AskDelayTime(skin, delay_script.Runner()); });
    panel->Create();

    SetEditText(host.hwnd, kLoopCountEditId, L"0");
    EXPECT_EQ(ControlText(host.hwnd, kLoopCountEditId), "1");
    EXPECT_EQ(MacroLoopCount(working, 0), 1);
    SetEditText(host.hwnd, kLoopCountEditId, L"250");
    EXPECT_EQ(ControlText(host.hwnd, kLoopCountEditId), "250");
    EXPECT_EQ(MacroLoopCount(working, 0), 250);

    // A double click on a key event does nothing; on a delay it asks for a new one.
    PointAt(host.hwnd, kEventListId, 0);
    SendMessageW(host.hwnd, WM_COMMAND, MAKEWPARAM(kEventListId, LBN_DBLCLK), 0);
    PointAt(host.hwnd, kEventListId, 1);
    SendMessageW(host.hwnd, WM_COMMAND, MAKEWPARAM(kEventListId, LBN_DBLCLK), 0);
    EXPECT_EQ(ListTexts(Child(kEventListId)), (Items{"A   Dn", "00050 ms", "A   Up", "50 ms"}));

    // The context menu deletes the entry under the pointer.
    PointAt(host.hwnd, kEventListId, 0);
    SendMessageW(host.hwnd, WM_COMMAND, MAKEWPARAM(kDeleteEventCommandId, 0), 0);
    EXPECT_EQ(ListTexts(Child(kEventListId)), (Items{"00050 ms", "A   Up", "50 ms"}));

    // A mouse event goes in after the key event under the pointer; the list then goes.
    panel->OnClick(ClickActionKind::ToggleInsertMouseEventList);
    PointAt(host.hwnd, kEventListId, 1);
    testing::ChooseListEntry(host.hwnd, kInsertMouseEventListId, 1);
    EXPECT_EQ(ListTexts(Child(kEventListId)), (Items{"00050 ms", "A   Up", "50 ms", "R-Button   Dn",
                                                     "50 ms", "R-Button   Up", "50 ms"}));
    EXPECT_EQ(Selection(host.hwnd, kEventListId), 3);
    EXPECT_EQ(ControlText(host.hwnd, kMouseEventTextId), "R-Button Click");
    EXPECT_FALSE(panel->insert_mouse_event_list_open());
    testing::PumpMessages();
    EXPECT_EQ(Child(kInsertMouseEventListId), nullptr);

    panel->OnClick(ClickActionKind::ConfirmMacro);
    EXPECT_EQ(store.ReadMacro("Mix"), ListTexts(Child(kEventListId)));
    EXPECT_EQ(MacroLoopCount(working, 0), 250) << "a save keeps the loop count";
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace corvanti::macro
