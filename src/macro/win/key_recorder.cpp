#include "macro/win/key_recorder.h"

#include <utility>

namespace corvanti::macro {

namespace {

// The thread hook procedure has no object of its own.
thread_local KeyRecorder* installed_recorder = nullptr;

}  // namespace

KeyRecorder::KeyRecorder(HWND target, Filter filter)
    : target_(target), filter_(std::move(filter)) {}

KeyRecorder::~KeyRecorder() {
    Remove();
}

unsigned long KeyRecorder::Install() {
    if (installed_recorder != nullptr) {
        installed_recorder->Remove();
    }
    hook_.Reset(
        SetWindowsHookExW(WH_KEYBOARD, &KeyRecorder::HookProcedure, nullptr, GetCurrentThreadId()));
    if (!hook_) {
        return GetLastError();
    }
    installed_recorder = this;
    return 0;
}

void KeyRecorder::Remove() {
    hook_.Reset();
    if (installed_recorder == this) {
        installed_recorder = nullptr;
    }
}

LRESULT CALLBACK KeyRecorder::HookProcedure(int code, WPARAM wparam, LPARAM lparam) {
    if (code != HC_ACTION || installed_recorder == nullptr) {
        return CallNextHookEx(nullptr, code, wparam, lparam);
    }
    installed_recorder->OnKey(lparam);
    // The key goes on to the window it was meant for.
    return 0;
}

void KeyRecorder::OnKey(LPARAM key_data) {
    const HookKeyEvent event = HookKeyEventOfKeyData(static_cast<std::uint32_t>(key_data));
    const std::optional<KeyTransition> transition = filter_(event);
    if (!transition) {
        return;
    }
    current_key_name_ = event.key_name;
    SendMessageW(target_, win::kMacroRecorderKeyMessage, static_cast<WPARAM>(*transition), 0);
}

}  // namespace corvanti::macro
