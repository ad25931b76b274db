#include "macro/recording_filter.h"

namespace corvanti {

std::optional<KeyTransition> FilterRecordedKey(const HookKeyEvent& event,
                                               std::string_view last_key_down) {
    const bool same_key = event.key_name == last_key_down;
    if (event.released) {
        if (same_key && !event.previously_down) {
            return std::nullopt;
        }
        return KeyTransition::kUp;
    }
    if (same_key && event.previously_down) {
        return std::nullopt;
    }
    return KeyTransition::kDown;
}

}  // namespace corvanti
