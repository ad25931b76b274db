#include "assign/dpi_function_list.h"

#include <cstdint>
#include <string>

#include "assign/button_geometry.h"
#include "profile/key_function.h"

namespace corvanti {

namespace {

constexpr int kWidth = 60;
constexpr int kHeight = 80;

}  // namespace

ListBoxWindow DpiFunctionListWindow(std::size_t slot, const ClientRect& entry) {
    const ClientRect list = ButtonListArea(slot);
    const int left = list.left + entry.right;
    const int top = list.top + entry.top;
    ListBoxWindow window{kDpiFunctionListId, {left, top, left + kWidth, top + kHeight}, {}};
    for (std::size_t position = 0; position < kDpiFunctionCount; ++position) {
        // The DPI-switch code of an entry is its position plus one.
        window.entries.emplace_back(DpiSwitchName(static_cast<std::uint8_t>(position + 1)));
    }
    return window;
}

}  // namespace corvanti
