#pragma once

namespace corvanti {

// The keyboard hook that delivers the user-interface thread's key events while a macro is
// being recorded.
class RecordingHook {
  public:
    virtual ~RecordingHook() = default;
    // Starts capturing; 0 when the hook is in place, otherwise the system's error code.
    virtual unsigned long Install() = 0;
    // Stops capturing at once; nothing happens when no hook is installed.
    virtual void Remove() = 0;
    virtual bool IsInstalled() const = 0;
};

}  // namespace corvanti
