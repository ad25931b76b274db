#include "app/main_window_pretranslation.h"

#include <algorithm>

#include "app/main_window_controls.h"
#include "app/main_window_layout.h"
#include "skin/keyboard_filter.h"

namespace corvanti {

namespace {

constexpr int kSecondaryListWidth = 60;
constexpr int kSecondaryListHeight = 80;

bool IsButtonListId(int control_id) {
    return control_id >= ButtonListId(1) && control_id <= ButtonListId(kButtonCount);
}

bool IsLightingListId(int control_id) {
    return std::ranges::find(kLightingListIds, control_id) != std::end(kLightingListIds);
}

ListUnderPointer BasicPageListUnderPointer(int control_id) {
    if (IsButtonListId(control_id)) {
        return {true, control_id - ButtonListId(1) + 1};
    }
    return {control_id == kSecondaryListId || IsLightingListId(control_id)};
}

}  // namespace

KeyDownHandling HandleKeyMessage(std::uint32_t message, std::uintptr_t key, PageState page,
                                 bool recording) {
    if (message == kKeyDownMessage && recording && page == PageState::Advanced) {
        return KeyDownHandling::Swallow;
    }
    if (IsEnterOrEscapeDown(message, key)) {
        return KeyDownHandling::HideWindowAndSwallow;
    }
    return KeyDownHandling::PassOn;
}

ListUnderPointer ListUnderPointerFor(PageState page, int control_id) {
    switch (page) {
        case PageState::Basic:
            return BasicPageListUnderPointer(control_id);
        case PageState::Advanced:
            return {control_id == kInsertMouseEventListId || control_id == kEventListId};
        case PageState::None:
            break;
    }
    return {};
}

std::optional<ClientRect> SecondaryListRect(int button, int item_index, ClientRect item_rect) {
    if (item_index != kDpiSwitchItem || button < 1 || button > kButtonCount) {
        return std::nullopt;
    }
    const ClientRect list_area = ButtonDropdown(button).list_area;
    const int left = list_area.left + item_rect.right;
    const int top = list_area.top + item_rect.top;
    return ClientRect{left, top, left + kSecondaryListWidth, top + kSecondaryListHeight};
}

std::optional<std::string_view> EventListMenuItemText(PageState page, int control_id,
                                                      const LanguageTexts& texts) {
    if (page != PageState::Advanced || control_id != kEventListId) {
        return std::nullopt;
    }
    return texts.Text(TextRole::Delete);
}

}  // namespace corvanti
