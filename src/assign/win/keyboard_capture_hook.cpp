#include "assign/win/keyboard_capture_hook.h"

namespace corvanti::assign {

namespace {

// The capture whose dialog the hook procedure reports to: a hook procedure gets no context of
// its own.
thread_local KeyboardCaptureHook* active_capture = nullptr;

}  // namespace

KeyboardCaptureHook::~KeyboardCaptureHook() {
    hook_.Reset();
    if (active_capture == this) {
        active_capture = outer_;
    }
}

bool KeyboardCaptureHook::Install(HWND dialog, UINT message,
                                  std::string (*failure_text)(int error_code),
                                  UserMessages& messages) {
    dialog_ = dialog;
    message_ = message;
    hook_.Reset(SetWindowsHookExW(WH_KEYBOARD, &KeyboardCaptureHook::KeyboardProc, nullptr,
                                  GetCurrentThreadId()));
    if (!hook_) {
        const auto error = static_cast<int>(GetLastError());
        messages.ShowMessage(failure_text(error), kApplicationTitle);
        return false;
    }
    if (active_capture != this) {
        outer_ = active_capture;
        active_capture = this;
    }
    return true;
}

LRESULT CALLBACK KeyboardCaptureHook::KeyboardProc(int code, WPARAM wparam, LPARAM lparam) {
    KeyboardCaptureHook* capture = active_capture;
    if (code != HC_ACTION || capture == nullptr) {
        return CallNextHookEx(nullptr, code, wparam, lparam);
    }
    capture->last_keystroke_ = static_cast<std::uint32_t>(lparam);
    SendMessageW(capture->dialog_, capture->message_, 0, 0);
    // The key was seen by the dialog that captures it; hooks installed before (a macro
    // recording underneath) must not record it as well.
    return 0;
}

}  // namespace corvanti::assign
