#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/user_messages.h"
#include "common/win/handle_owners.h"
#include "common/win/program_messages.h"

namespace corvanti::assign {

// A keyboard hook of the current thread for one capture dialog. It sees every key event as the
// dialog's modal loop takes it from the queue (before the dialog filters Enter, Escape or the
// Windows keys), keeps the event's keystroke flags and sends the dialog its message at once
// (kSingleKeyCapturedMessage or kComboKeyCapturedMessage, wParam and lParam 0);
// the keystroke then goes on to its window as usual. One capture runs at a time; a capture
// started inside another takes over until it ends.
class KeyboardCaptureHook {
  public:
    KeyboardCaptureHook() = default;
    KeyboardCaptureHook(const KeyboardCaptureHook&) = delete;
    KeyboardCaptureHook& operator=(const KeyboardCaptureHook&) = delete;
    // Removes the hook.
    ~KeyboardCaptureHook();

    // Starts reporting to the dialog. When the system refuses the hook, the user is shown the
    // failure text of the system's error code and the result is false; the dialog then works
    // without capture.
    bool Install(HWND dialog, UINT message, std::string (*failure_text)(int error_code),
                 UserMessages& messages);

    // The keystroke flags (scan code, extended bit ...) of the last key event seen.
    std::uint32_t last_keystroke() const { return last_keystroke_; }

  private:
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wparam, LPARAM lparam);

    HWND dialog_ = nullptr;
    UINT message_ = 0;
    std::uint32_t last_keystroke_ = 0;
    KeyboardCaptureHook* outer_ = nullptr;
    win::UniqueHook hook_;
};

}  // namespace corvanti::assign
