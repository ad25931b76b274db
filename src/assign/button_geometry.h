#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "common/client_rect.h"
#include "profile/profile_record.h"

namespace corvanti {

// Where the key page puts each button's dropdown box and its function list. Button k (1-10)
// is slot k - 1 of the key-mode blocks; slots 10 and 11 have no box.

// The list of button k has control id 40 + k.
inline constexpr int kButtonListIdBase = 40;

// The box of slots 0-9, one below the other; empty for any other slot.
ClientRect DropdownBoxRect(std::size_t slot);

// The area an open function list covers: below the box for buttons 1-6, beside the upper
// boxes for buttons 7-10 (their list would run off the window below). Empty past slot 9.
ClientRect ButtonListArea(std::size_t slot);

int ButtonListId(std::size_t slot);

// The two key-mode buttons; their labels are the same in every language.
struct KeyModeButton {
    KeyMode mode;
    ClientRect rect;
    std::string_view label;
};

inline constexpr std::array<KeyModeButton, 2> kKeyModeButtons = {{
    {KeyMode::A, {253, 518, 358, 539}, "Mode A"},
    {KeyMode::B, {357, 518, 462, 539}, "Mode B"},
}};

}  // namespace corvanti
