#pragma once

#include <cstddef>

#include "common/client_rect.h"
#include "skin/list_box_window.h"

namespace corvanti {

// The secondary list that opens beside the "DPI Switch" entry of a button's open function
// list while the pointer rests on that entry; choosing one of its four DPI functions assigns
// it to the button.
inline constexpr int kDpiFunctionListId = 37;
inline constexpr int kDpiSwitchEntry = 6;
inline constexpr std::size_t kDpiFunctionCount = 4;

// The list beside the function list of `slot`, whose "DPI Switch" entry covers `entry`
// (relative to the function list): its left edge at the entry's right edge, level with the
// entry's top. Holds "DPI +", "DPI -", "DPI Loop" and "Shift DPI" in every language.
ListBoxWindow DpiFunctionListWindow(std::size_t slot, const ClientRect& entry);

}  // namespace corvanti
