#include "app/main_window_pretranslation.h"

#include <algorithm>
#include <cstddef>

#include "app/main_window_controls.h"
#include "assign/button_geometry.h"
#include "assign/dpi_function_list.h"
#include "profile/profile_record.h"
#include "settings/lighting_panel.h"
#include "skin/keyboard_filter.h"

namespace corvanti {

namespace {

constexpr int kButtonCount = static_cast<int>(kMouseButtonCount);

// Button 1-10 whose function list has this id, or 0.
int ButtonOfList(int control_id) {
    const int button = control_id - kButtonListIdBase;
    return button >= 1 && button <= kButtonCount ? button : 0;
}

bool IsLightingList(int control_id) {
    return std::ranges::any_of(kLightingSelectors, [control_id](const auto& selector) {
        return selector.list_id == control_id;
    });
}

ListUnderPointer BasicPageListUnderPointer(int control_id) {
    if (const int button = ButtonOfList(control_id)) {
        return {true, button};
    }
    return {control_id == kDpiFunctionListId || IsLightingList(control_id)};
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

std::optional<ListBoxWindow> SecondaryListFor(int button, int item_index, ClientRect item_rect) {
    if (item_index != kDpiSwitchEntry || button < 1 || button > kButtonCount) {
        return std::nullopt;
    }
    return DpiFunctionListWindow(static_cast<std::size_t>(button - 1), item_rect);
}

std::optional<std::string_view> EventListMenuItemText(PageState page, int control_id,
                                                      const LanguageTexts& texts) {
    if (page != PageState::Advanced || control_id != kEventListId) {
        return std::nullopt;
    }
    return texts.Text(TextRole::Delete);
}

}  // namespace corvanti
