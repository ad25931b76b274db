#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/user_messages.h"

namespace corvanti::testing {

struct ShownMessage {
    std::string text;
    std::string caption;
    bool operator==(const ShownMessage&) const = default;
};

// Keeps every message box and trace line, so tests can check the exact texts.
class RecordingMessages : public UserMessages, public TraceSink {
  public:
    void ShowMessage(std::string_view text, std::string_view caption) override {
        shown.push_back({std::string(text), std::string(caption)});
    }
    void Trace(std::string_view text) override { traces.emplace_back(text); }

    std::vector<ShownMessage> shown;
    std::vector<std::string> traces;
};

}  // namespace corvanti::testing
