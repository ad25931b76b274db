#pragma once

#include <windows.h>

#include <string>

#include "assign/key_capture.h"
#include "assign/win/keyboard_capture_hook.h"
#include "skin/win/skinned_dialog_frame.h"

namespace corvanti::assign {

// Assigns one keyboard key by pressing it: a thread keyboard hook reports every key event and
// the box shows the name of the last one. Enter, Escape and the Windows keys are captured like
// any other key instead of ending the dialog or reaching the system.
class CSingleDialog : public skin::SkinnedDialogFrame {
  public:
    // messages: where the dialog's failures go; null shows message boxes owned by the dialog.
    explicit CSingleDialog(const SkinContext& context, UserMessages* messages = nullptr);

    // Read only after the dialog ended with OK.
    const SingleKeyChoice& result() const { return capture_.choice(); }

  protected:
    void SetLanguageTexts(Language language) override;
    bool CreateControls() override;
    void DrawOwn(HDC dc) override;
    INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled) override;

  private:
    std::string prompt_;
    HWND key_box_ = nullptr;
    SingleKeyCapture capture_;
    KeyboardCaptureHook hook_;
};

}  // namespace corvanti::assign
