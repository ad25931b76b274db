// Records synthetic key input through the recorder's thread keyboard hook into the macro
// editor, as the main window wires them: the hook's events arrive as WM_USER+3 and become
// event items.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "dialog_script.h"
#include "macro/macro_editor.h"
#include "macro/win/key_recorder.h"
#include "support/recording_messages.h"
#include "support/scratch_folder.h"

namespace corvanti::macro {
namespace {

constexpr WORD kScanA = 0x1E;
constexpr WORD kScanB = 0x30;

// A window that hands recorded keys to the editor, as the main window does.
struct RecordingTarget {
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == win::kMacroRecorderKeyMessage && current != nullptr) {
            current->editor->OnRecordedKey(wparam, current->recorder->current_key_name());
            return 0;
        }
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }

    static inline RecordingTarget* current = nullptr;
    MacroEditor* editor = nullptr;
    KeyRecorder* recorder = nullptr;
};

HWND CreateTargetWindow() {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = &RecordingTarget::Procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"CorvantiRecordingTarget";
    RegisterClassW(&window_class);
    const HWND hwnd =
        CreateWindowExW(0, window_class.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 10, 10, 100, 100,
                        nullptr, nullptr, window_class.hInstance, nullptr);
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
    return hwnd;
}

void SendKey(WORD scan_code, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = scan_code;
    input.ki.dwFlags = KEYEVENTF_SCANCODE | (release ? KEYEVENTF_KEYUP : 0);
    SendInput(1, &input, sizeof(INPUT));
}

TEST(KeyRecorderTest, RecordsTheThreadsKeysByScanCodeNameUntilRemoved) {
    testing::ScratchFolder folder;
    const MacroStore store(folder / "record.ini");
    ProfileRecord record;
    ASSERT_EQ(store.SaveMacro("Run", {"Q   Dn"}, record), MacroSaveOutcome::kSaved);
    testing::RecordingMessages messages;
    RecordingTarget target;
    RecordingTarget::current = &target;
    const HWND hwnd = CreateTargetWindow();
    KeyRecorder recorder(
        hwnd, [&target](const HookKeyEvent& event) { return target.editor->FilterHookKey(event); });
    MacroEditor editor(store, record, recorder, messages, {});
    target.editor = &editor;
    target.recorder = &recorder;

    editor.SetUpPage();
    ASSERT_TRUE(editor.StartRecording());
    EXPECT_TRUE(recorder.IsInstalled());
    SendKey(kScanA, false);
    SendKey(kScanA, true);
    SendKey(kScanB, false);
    SendKey(kScanB, false);  // an auto-repeat: the key is already down
    SendKey(kScanB, false);
    SendKey(kScanB, true);
    testing::PumpMessages();
    editor.StopRecording();
    EXPECT_FALSE(recorder.IsInstalled());
    SendKey(kScanA, false);
    SendKey(kScanA, true);
    testing::PumpMessages();

    EXPECT_EQ(editor.events(), (std::vector<std::string>{"A   Dn", "50 ms", "A   Up", "50 ms",
                                                         "B   Dn", "50 ms", "B   Up"}));
    RecordingTarget::current = nullptr;
    DestroyWindow(hwnd);
}

}  // namespace
}  // namespace corvanti::macro
