#pragma once

// Runs skinned dialogs under the real dialog manager while a script plays, types real key
// events into them and saves what they show.
#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/client_rect.h"
#include "common/text_encoding.h"
#include "skin/win/dialog_runner.h"
#include "skin/win/skinned_dialog_frame.h"

namespace corvanti::testing {

// Plays one step per timer tick of the dialog's modal loop. Ticks come after input and paints,
// so each step sees the effects of the one before. A thread timer keeps going inside nested
// modal loops (a message box, the colour chooser) and when the dialog's set-up stopped early.
class DialogScript {
  public:
    using Step = std::function<void(skin::SkinnedDialogFrame&)>;

    explicit DialogScript(std::vector<Step> steps) : steps_(std::move(steps)) {}

    // Plays the script from its first step over one dialog.
    INT_PTR Run(skin::SkinnedDialogFrame& dialog) {
        dialog_ = &dialog;
        next_ = 0;
        current_ = this;
        const UINT_PTR timer = SetTimer(nullptr, 0, kTickMilliseconds, &DialogScript::Tick);
        const std::vector<WORD> dialog_template = skin::EmptyDialogTemplate();
        // An owned popup, as in the program, which the window system maps and unmaps at once.
        const HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                           nullptr, nullptr, nullptr);
        const INT_PTR result =
            dialog.RunIndirect(owner, reinterpret_cast<const DLGTEMPLATE*>(dialog_template.data()));
        DestroyWindow(owner);
        KillTimer(nullptr, timer);
        current_ = nullptr;
        dialog_ = nullptr;
        return result;
    }

    // For code that takes a runner: every dialog it runs plays this script anew.
    skin::DialogRunner Runner() {
        return [this](skin::SkinnedDialogFrame& dialog) { return Run(dialog); };
    }

    // The end code of a script that ran out of steps without ending its dialog.
    static constexpr INT_PTR kScriptRanOut = -2;

  private:
    static constexpr UINT kTickMilliseconds = 40;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogScript* script = current_;
        if (script == nullptr || script->dialog_ == nullptr) {
            return;
        }
        skin::SkinnedDialogFrame& dialog = *script->dialog_;
        if (dialog.hwnd() == nullptr) {
            return;
        }
        if (script->next_ == 0 && IsWindowVisible(dialog.hwnd()) == FALSE) {
            // The dialog manager shows the dialog once its queue runs dry; the ticks may come
            // first.
            ShowWindow(dialog.hwnd(), SW_SHOWNORMAL);
            UpdateWindow(dialog.hwnd());
        }
        if (script->next_ < script->steps_.size()) {
            script->steps_[script->next_++](dialog);
        } else {
            EndDialog(dialog.hwnd(), kScriptRanOut);
        }
    }

    static inline DialogScript* current_ = nullptr;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    skin::SkinnedDialogFrame* dialog_ = nullptr;
};

inline void Click(HWND window, ClientPoint p) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
}

// A click into the middle of a control, as the user gives it the focus.
inline void ClickInto(HWND control) {
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

// Chooses a list entry as a click on it does: selection, then the list's notification.
inline void ChooseListEntry(HWND dialog, int list_id, int index) {
    const HWND list = GetDlgItem(dialog, list_id);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(list_id, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

inline std::string ControlText(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return WideToUtf8(text);
}

inline std::vector<std::string> ListTexts(HWND list) {
    std::vector<std::string> texts;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        texts.push_back(WideToUtf8(text));
    }
    return texts;
}

// A key as the keyboard sends it: its virtual key, its scan code and the extended-key flag.
struct PhysicalKey {
    WORD virtual_key;
    WORD scan_code;
    bool extended;
};

// Presses and releases a key through the system's input queue, so the thread's keyboard
// hooks see it as the user's key.
inline void TypeKey(const PhysicalKey& key) {
    INPUT inputs[2] = {};
    for (int i = 0; i < 2; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = key.virtual_key;
        inputs[i].ki.wScan = key.scan_code;
        inputs[i].ki.dwFlags = (key.extended ? KEYEVENTF_EXTENDEDKEY : 0u) |
                               (i == 1 ? static_cast<DWORD>(KEYEVENTF_KEYUP) : 0u);
    }
    SendInput(2, inputs, sizeof(INPUT));
}

// Lets the thread retrieve its queued input (which is when its keyboard hooks see it) and its
// posted messages for a while.
inline void PumpMessages() {
    constexpr DWORD kPumpMilliseconds = 300;
    const DWORD until = GetTickCount() + kPumpMilliseconds;
    while (GetTickCount() < until) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

inline COLORREF PixelAt(HWND window, ClientPoint p) {
    const HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, p.x, p.y);
    ReleaseDC(window, dc);
    return colour;
}

}  // namespace corvanti::testing
