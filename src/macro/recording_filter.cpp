#include "macro/recording_filter.h"

#include "profile/scan_code_names.h"

namespace corvanti {

namespace {

constexpr std::uint32_t kPreviousStateBit = 1u << 30;
constexpr std::uint32_t kTransitionBit = 1u << 31;

}  // namespace

HookKeyEvent HookKeyEventOfKeyData(std::uint32_t key_data) {
    return {KeyNameOfKeyMessage(key_data), (key_data & kTransitionBit) != 0,
            (key_data & kPreviousStateBit) != 0};
}

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
