#include "device/hid_transport.h"

namespace corvanti {

std::string HidFailure::Describe() const {
    switch (kind) {
        case Kind::None:
            return "no reason given";
        case Kind::TimedOut:
            return call + " timed out";
        case Kind::Failed:
        case Kind::Removed: {
            std::string line = call + (kind == Kind::Removed ? " lost the device: " : " failed: ");
            line += std::to_string(code);
            if (!text.empty()) {
                line += " " + text;
            }
            return line;
        }
    }
    return call;
}

}  // namespace corvanti
