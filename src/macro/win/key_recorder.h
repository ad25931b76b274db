#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "common/win/handle_owners.h"
#include "common/win/program_messages.h"
#include "macro/recording_filter.h"
#include "macro/recording_hook.h"

namespace corvanti::macro {

// The macro recorder's keyboard hook of the user-interface thread. Each keyboard message the
// thread retrieves becomes a key event (the key-name table's name, never the system's
// localised one); the filter decides whether and as what it is handed on, and the target
// window gets it synchronously as win::kMacroRecorderKeyMessage, with the name readable
// meanwhile. One recorder per thread is installed at a time.
class KeyRecorder : public RecordingHook {
  public:
    using Filter = std::function<std::optional<KeyTransition>(const HookKeyEvent&)>;

    KeyRecorder(HWND target, Filter filter);
    KeyRecorder(const KeyRecorder&) = delete;
    KeyRecorder& operator=(const KeyRecorder&) = delete;
    ~KeyRecorder() override;

    unsigned long Install() override;
    void Remove() override;
    bool IsInstalled() const override { return static_cast<bool>(hook_); }

    // The key of the event being delivered to the target window.
    const std::string& current_key_name() const { return current_key_name_; }

  private:
    static LRESULT CALLBACK HookProcedure(int code, WPARAM wparam, LPARAM lparam);
    void OnKey(LPARAM key_data);

    HWND target_;
    Filter filter_;
    win::UniqueHook hook_;
    std::string current_key_name_;
};

}  // namespace corvanti::macro
