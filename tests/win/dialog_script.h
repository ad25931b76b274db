#pragma once

// Drives a skinned dialog under the real dialog manager: the dialog runs modally from the
// empty template, and a thread timer plays one step per tick of its modal loop (ticks come
// after paints, so each step sees the window drawn).
#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "skin/win/skinned_dialog_frame.h"

namespace corvanti::testing {

using DialogStep = std::function<void(HWND)>;

class DialogScript {
  public:
    // The dialog's end code; -2 when the script ran out without ending it.
    static INT_PTR Run(skin::SkinnedDialogFrame& dialog, std::vector<DialogStep> steps) {
        DialogScript script{&dialog, std::move(steps)};
        current_ = &script;
        const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, &DialogScript::Tick);
        const std::vector<WORD> dialog_template = skin::EmptyDialogTemplate();
        const INT_PTR result = dialog.RunIndirect(
            nullptr, reinterpret_cast<const DLGTEMPLATE*>(dialog_template.data()));
        KillTimer(nullptr, timer);
        current_ = nullptr;
        return result;
    }

  private:
    static constexpr UINT kTickMs = 40;

    DialogScript(skin::SkinnedDialogFrame* dialog, std::vector<DialogStep> steps)
        : dialog_(dialog), steps_(std::move(steps)) {}

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogScript* script = current_;
        const HWND hwnd = script != nullptr ? script->dialog_->hwnd() : nullptr;
        if (hwnd == nullptr) {
            return;
        }
        if (script->next_ == 0 && IsWindowVisible(hwnd) == FALSE) {
            ShowWindow(hwnd, SW_SHOWNORMAL);
            UpdateWindow(hwnd);
        }
        if (script->next_ == script->steps_.size()) {
            EndDialog(hwnd, -2);
            return;
        }
        script->steps_[script->next_++](hwnd);
    }

    static inline DialogScript* current_ = nullptr;
    skin::SkinnedDialogFrame* dialog_;
    std::vector<DialogStep> steps_;
    std::size_t next_ = 0;
};

inline void PostClick(HWND hwnd, int x, int y) {
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

}  // namespace corvanti::testing
