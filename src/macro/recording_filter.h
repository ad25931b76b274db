#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvanti {

// What the recorder tells the main window with WM_USER+3: the first parameter, 0 for a
// key-down and 1 for a key-up.
enum class KeyTransition { kDown = 0, kUp = 1 };

// One keyboard message as the recording hook sees it.
struct HookKeyEvent {
    std::string key_name;
    bool released = false;         // transition bit
    bool previously_down = false;  // previous-state bit: set on auto-repeats and releases
};

// The event of a keyboard message's key data (its lParam): the key's name from the scan code
// and extended-key bit (bits 16-24), the previous-state bit 30 and the transition bit 31.
HookKeyEvent HookKeyEventOfKeyData(std::uint32_t key_data);

// Which event, if any, the hook hands on. Auto-repeats of the last recorded key-down are
// dropped, and so is a release of it that claims the key was not down.
std::optional<KeyTransition> FilterRecordedKey(const HookKeyEvent& event,
                                               std::string_view last_key_down);

}  // namespace corvanti
