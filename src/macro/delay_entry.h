#pragma once

#include <string>
#include <string_view>

namespace corvanti {

// What the delay dialog hands back: the digits as typed and their value.
struct DelayEntry {
    int value = 0;
    std::string text;
    bool operator==(const DelayEntry&) const = default;
};

// Only digits are kept (the edit takes no others, but pasted text could bring some); the
// value is their number, 0 when there are none, and stops at int's maximum.
DelayEntry DelayEntryOfEditText(std::string_view text);

// The delay item that replaces the double-clicked one: "20 ms" below 20, "10000 ms" above
// 10000, else the digits exactly as typed (leading zeros kept) and " ms".
std::string DelayItemFor(const DelayEntry& entry);

}  // namespace corvanti
