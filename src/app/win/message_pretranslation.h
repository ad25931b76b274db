#pragma once

#include <windows.h>

#include <functional>

#include "common/win/handle_owners.h"

namespace corvanti::win {

// Lets the main window see every message its thread takes from the queue before it is
// dispatched, which the dialog manager's own modal loop gives no other chance for: a message
// hook of the user-interface thread. A message the filter swallows is dispatched as WM_NULL.
// One instance per process.
class MessagePretranslation {
  public:
    // Returns true to swallow the message.
    using Filter = std::function<bool(const MSG&)>;

    MessagePretranslation() = default;
    MessagePretranslation(const MessagePretranslation&) = delete;
    MessagePretranslation& operator=(const MessagePretranslation&) = delete;
    ~MessagePretranslation();

    // False when the hook could not be installed.
    bool Install(Filter filter);

  private:
    static LRESULT CALLBACK HookProcedure(int code, WPARAM wparam, LPARAM lparam);

    Filter filter_;
    UniqueHook hook_;
};

}  // namespace corvanti::win
