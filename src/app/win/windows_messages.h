#pragma once

#include <windows.h>

#include "common/user_messages.h"

namespace corvanti::win {

// Diagnostic traces go to the debugger's output (Wine's debug channel) as UTF-8 bytes, never to
// the user.
class DebugOutputTrace final : public TraceSink {
  public:
    void Trace(std::string_view text) override;
};

}  // namespace corvanti::win
