#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/language_texts.h"
#include "app/page_operations.h"
#include "common/client_rect.h"
#include "skin/list_box_window.h"

namespace corvanti {

// Decisions the main window takes on messages before they reach their target window.

enum class KeyDownHandling {
    PassOn,
    Swallow,
    HideWindowAndSwallow,
};

// While a recording runs on the advanced page every key-down is swallowed, so recorded keys
// do not type into the macro editor; otherwise Enter and Escape hide the window.
KeyDownHandling HandleKeyMessage(std::uint32_t message, std::uintptr_t key, PageState page,
                                 bool recording);

// What the pointer moving over child control `control_id` does to it.
struct ListUnderPointer {
    // The item under the pointer becomes the list's selection, so one click chooses it.
    bool selection_follows = false;
    // 1-10 when the list is button k's function list: the secondary DPI list then follows
    // the selected item (SecondaryListFor).
    int button = 0;
    bool operator==(const ListUnderPointer&) const = default;
};

ListUnderPointer ListUnderPointerFor(PageState page, int control_id);

// The secondary DPI list once item `item_index` of button k's function list has become its
// selection: beside the "DPI Switch" item (`item_rect` in the list's client pixels) it is
// created if it does not exist; any other item means it is destroyed (empty).
std::optional<ListBoxWindow> SecondaryListFor(int button, int item_index, ClientRect item_rect);

// The text of the event list's context menu item (delete the selected event) when a right
// button press over `control_id` opens that menu; empty when no menu opens.
std::optional<std::string_view> EventListMenuItemText(PageState page, int control_id,
                                                      const LanguageTexts& texts);

}  // namespace corvanti
