#pragma once

#include <functional>
#include <optional>

#include "common/client_rect.h"

namespace corvanti {

// A drop-down's value box and list are narrow, and some entries (long function names, skin
// folders) are wider at the dialog font than the box; some lists are taller than the dialog
// leaves them. They take one font for all entries, fitted so that the widest one shows in full
// and, where the list does not scroll, so that every line shows inside the dialog.

// Below this height a text is no longer read comfortably: an entry still too wide there is
// set in narrower characters instead.
inline constexpr int kSmallestFittedFontHeight = 10;
// Narrower than this a character is no longer told apart; an entry still too wide is cut off.
inline constexpr int kNarrowestFittedCharWidth = 3;

// A font's size: its height, and its average character width, 0 for the face's own
// proportions.
struct FontSize {
    int height = 0;
    int width = 0;
    bool operator==(const FontSize&) const = default;
};

// What the window measures of the entries at one font size.
struct EntriesExtent {
    int widest = 0;       // the widest entry
    int line_height = 0;  // one line of the open list
    int average_char_width = 0;
};

// Where the entries must fit.
struct DropdownRoom {
    int text_width = 0;  // ValueBoxTextWidth
    // For a list that does not scroll: the height its lines together may take.
    std::optional<int> list_height;
    int entry_count = 0;
};

// The width a value box leaves to its text: its sunken edges and a margin on either side.
int ValueBoxTextWidth(ClientRect value_box);

// The height an open list shows its lines in: its area, cut off by the dialog's bottom edge,
// less the list's border.
int VisibleListHeight(ClientRect list_area, int dialog_client_height);

// The dialog font's size when the entries fit the room at it; otherwise the largest smaller
// height at which they fit, never below kSmallestFittedFontHeight; at that height, when the
// widest entry is still too wide, the widest character width at which it fits, never below
// kNarrowestFittedCharWidth. When nothing fits, the narrowest size tried. measure(size)
// measures the entries with the dialog's face.
FontSize FittingFontSize(int dialog_font_height, const DropdownRoom& room,
                         const std::function<EntriesExtent(FontSize size)>& measure);

}  // namespace corvanti
