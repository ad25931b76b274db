#pragma once

#include <windows.h>

#include "common/user_messages.h"

namespace corvanti::skin {

// Shows the user's messages as message boxes with an OK button, owned by a window (which may
// change, e.g. once a dialog exists).
class MessageBoxMessages : public UserMessages {
  public:
    explicit MessageBoxMessages(HWND owner = nullptr) : owner_(owner) {}
    void set_owner(HWND owner) { owner_ = owner; }
    void ShowMessage(std::string_view text, std::string_view caption) override;

  private:
    HWND owner_;
};

}  // namespace corvanti::skin
