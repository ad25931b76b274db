#pragma once

#include <windows.h>

#include "assign/key_capture.h"
#include "assign/win/keyboard_capture_hook.h"
#include "skin/win/skinned_dialog_frame.h"

namespace corvanti::assign {

// Assigns a key combination: a modifier from the drop-down list and up to two keys, each
// captured by pressing it while its box has the focus (a click into the box gives it). The
// boxes only display the capture; Enter and Escape are captured instead of ending the dialog.
class CComboDialog : public skin::SkinnedDialogFrame {
  public:
    // messages: where the dialog's failures go; null shows message boxes owned by the dialog.
    explicit CComboDialog(const SkinContext& context, UserMessages* messages = nullptr);

    // Read only after the dialog ended with OK.
    const ComboKeyChoice& result() const { return capture_.choice(); }

  protected:
    bool CreateControls() override;
    std::vector<std::string> ListEntries() override;
    void OnListChoice(int index, const std::string& text) override;
    INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled) override;

  private:
    ComboKeyBox FocusedKeyBox() const;
    HWND KeyBoxWindow(ComboKeyBox box) const;

    HWND first_key_box_ = nullptr;
    HWND second_key_box_ = nullptr;
    ComboKeyCapture capture_;
    KeyboardCaptureHook hook_;
};

}  // namespace corvanti::assign
