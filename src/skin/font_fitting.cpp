#include "skin/font_fitting.h"

#include <algorithm>

namespace corvanti {

namespace {

// One pixel of sunken edge and one of margin on each side.
constexpr int kValueBoxInset = 2 * (1 + 1);
// The list's one-pixel border, above and below.
constexpr int kListBorderHeight = 2 * 1;

bool WidestFits(const EntriesExtent& extent, const DropdownRoom& room) {
    return extent.widest <= room.text_width;
}

bool EveryLineShows(const EntriesExtent& extent, const DropdownRoom& room) {
    return !room.list_height || room.entry_count * extent.line_height <= *room.list_height;
}

bool Fits(const EntriesExtent& extent, const DropdownRoom& room) {
    return WidestFits(extent, room) && EveryLineShows(extent, room);
}

}  // namespace

int ValueBoxTextWidth(ClientRect value_box) {
    return value_box.Width() - kValueBoxInset;
}

int VisibleListHeight(ClientRect list_area, int dialog_client_height) {
    const int shown_bottom = std::min(list_area.bottom, dialog_client_height);
    return std::max(0, shown_bottom - list_area.top - kListBorderHeight);
}

FontSize FittingFontSize(int dialog_font_height, const DropdownRoom& room,
                         const std::function<EntriesExtent(FontSize size)>& measure) {
    FontSize size{dialog_font_height, 0};
    EntriesExtent extent = measure(size);
    while (!Fits(extent, room) && size.height > kSmallestFittedFontHeight) {
        --size.height;
        extent = measure(size);
    }
    if (Fits(extent, room)) {
        return size;
    }
    // Narrower characters keep an entry readable where a smaller height would not; they make
    // no line lower, so they serve only an entry that is too wide.
    FontSize narrowest = size;
    for (int width = extent.average_char_width - 1;
         width >= kNarrowestFittedCharWidth && !WidestFits(extent, room); --width) {
        narrowest = {size.height, width};
        extent = measure(narrowest);
    }
    return narrowest;
}

}  // namespace corvanti
