#pragma once

#include <windows.h>

#include "common/user_messages.h"

namespace corvanti::win {

// Diagnostic traces go to the debugger's output (Wine's debug channel), never to the user.
class DebugOutputTrace final : public TraceSink {
  public:
    void Trace(std::string_view text) override;
};

// User-visible errors as message boxes with an OK button, owned by `owner` (may be null).
class MessageBoxMessages final : public UserMessages {
  public:
    explicit MessageBoxMessages(HWND owner = nullptr) : owner_(owner) {}
    void set_owner(HWND owner) { owner_ = owner; }
    void ShowMessage(std::string_view text, std::string_view caption) override;

  private:
    HWND owner_;
};

}  // namespace corvanti::win
