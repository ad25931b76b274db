#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvanti {

// The texts of a macro's event items, as record.ini stores them and the event list shows
// them: "A   Dn" (a key or button pressed), "A   Up" (released) and "50 ms" (a delay). The
// delay of a key event is the item that follows it.
inline constexpr std::string_view kPressMarker = "   Dn";
inline constexpr std::string_view kReleaseMarker = "   Up";
inline constexpr std::string_view kDelaySuffix = " ms";
// What the event list and the insertion rules look for to tell a delay from a key event.
inline constexpr std::string_view kDelayMark = "ms";
// Recording does not measure time: every recorded or inserted event gets this pause.
inline constexpr int kFixedDelayMs = 50;
// The pauses a user can enter for an event.
inline constexpr int kMinEventDelay = 20;
inline constexpr int kMaxEventDelay = 10000;

std::string PressItem(std::string_view key_name);
std::string ReleaseItem(std::string_view key_name);
// "%d ms".
std::string DelayItem(int milliseconds);
// The fixed pause, "50 ms".
std::string FixedDelayItem();

struct KeyEventItem {
    bool released = false;
    std::string key_name;
    bool operator==(const KeyEventItem&) const = default;
};

// A text holding the press marker is a press, else one holding the release marker a release;
// the key name is the text with every occurrence of that marker removed. Anything else (a
// delay or stray text) is no key event.
std::optional<KeyEventItem> ParseKeyEventItem(std::string_view item);

// The delay an item gives the key event before it: every " ms" removed, the rest read as a
// lenient number.
int DelayOfItem(std::string_view item);

// The event list treats every entry containing "ms" as a delay.
bool LooksLikeDelay(std::string_view item);

}  // namespace corvanti
