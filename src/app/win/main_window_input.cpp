// The main window's pointer, keyboard and child-control messages: pre-translation, hover,
// child colours and the lists' notifications.
#include "app/list_notifications.h"
#include "app/main_window_colours.h"
#include "app/main_window_controls.h"
#include "app/main_window_pretranslation.h"
#include "app/win/child_windows.h"
#include "app/win/pelmar_dlg.h"
#include "app/win/resource_ids.h"
#include "assign/dpi_function_list.h"
#include "common/text_encoding.h"
#include "skin/win/child_kind.h"

namespace corvanti::win {

namespace {

static_assert(ID_EVENT_LIST_DELETE == kDeleteEventCommandId,
              "the event list's menu item carries the macro page's delete command");

// How long the pointer must rest on a control before it lights up.
constexpr DWORD kHoverTime = 10;

HWND WindowUnderCursor(POINT& cursor) {
    GetCursorPos(&cursor);
    return WindowFromPoint(cursor);
}

LightingSelector SelectorOfList(int list_id) {
    for (const LightingSelectorLayout& layout : kLightingSelectors) {
        if (layout.list_id == list_id) {
            return layout.selector;
        }
    }
    return LightingSelector::Mode;
}

}  // namespace

bool CPelmarDlg::PreTranslate(const MSG& message) {
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) {
        return false;
    }
    switch (HandleKeyMessage(message.message, message.wParam, pages_.page(),
                             macro_panel_->recording())) {
        case KeyDownHandling::Swallow:
            return true;
        case KeyDownHandling::HideWindowAndSwallow:
            Hide();
            return true;
        case KeyDownHandling::PassOn:
            break;
    }
    POINT cursor{};
    if (message.message == WM_MOUSEMOVE) {
        FollowPointerOverList(WindowUnderCursor(cursor));
    } else if (message.message == WM_RBUTTONDOWN) {
        OpenEventListMenu(WindowUnderCursor(cursor));
    }
    return false;
}

// A list's selection follows the pointer, so one click takes the item under it. Over the
// "DPI Switch" item of a button's list the secondary DPI list opens beside it.
void CPelmarDlg::FollowPointerOverList(HWND list) {
    if (list == nullptr || GetParent(list) != window_) {
        return;
    }
    const ListUnderPointer follow = ListUnderPointerFor(pages_.page(), ControlId(list));
    if (!follow.selection_follows) {
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(list, &cursor);
    const auto hit =
        static_cast<DWORD>(SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(cursor.x, cursor.y)));
    const int item = LOWORD(hit);
    if (SendMessageW(list, LB_GETCURSEL, 0, 0) != item) {
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(item), 0);
    }
    if (follow.button == 0) {
        return;
    }
    RECT item_rect{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(&item_rect));
    const std::optional<ListBoxWindow> secondary = SecondaryListFor(
        follow.button, item, {item_rect.left, item_rect.top, item_rect.right, item_rect.bottom});
    if (!secondary) {
        basic_controls_.Destroy(kDpiFunctionListId);
    } else if (basic_controls_.Find(kDpiFunctionListId) == nullptr) {
        basic_controls_.CreateList(*secondary);
    }
}

// The event list's context menu deletes the event under the pointer, which the selection
// already follows.
void CPelmarDlg::OpenEventListMenu(HWND list) {
    const std::optional<std::string_view> item_text =
        EventListMenuItemText(pages_.page(), ControlId(list), texts_);
    if (!item_text || GetParent(list) != window_) {
        return;
    }
    UniqueMenu menu(LoadMenuW(instance_, MAKEINTRESOURCEW(IDR_EVENT_LIST_MENU)));
    HMENU popup = GetSubMenu(menu.get(), 0);
    if (popup == nullptr) {
        return;
    }
    ModifyMenuW(popup, ID_EVENT_LIST_DELETE, MF_BYCOMMAND | MF_STRING, ID_EVENT_LIST_DELETE,
                Utf8ToWide(*item_text).c_str());
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, window_, nullptr);
}

void CPelmarDlg::OnMouseMove(ClientPoint point) {
    const MainHoverStep step = hover_.OnMouseMove(point, pages_.page());
    if (step.request_hover) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof track;
        track.dwFlags = TME_HOVER | TME_LEAVE;
        track.hwndTrack = window_;
        track.dwHoverTime = kHoverTime;
        TrackMouseEvent(&track);
    }
    Draw(HoverStepDrawing(step, {texts_, captions_, profile_.working.shown_key_mode()}));
}

void CPelmarDlg::OnMouseHover(ClientPoint point) {
    const MainHoverStep step = hover_.OnMouseHover(point, pages_.page());
    Draw(HoverStepDrawing(step, {texts_, captions_, profile_.working.shown_key_mode()}));
}

// Null asks for the default colours.
HBRUSH CPelmarDlg::OnControlColour(UINT message, HDC dc, HWND control) {
    control_brush_.Reset();
    const std::optional<MainChildColours> colours = MainWindowChildColours(
        skin::ChildKindOf(message), ControlId(control), text_colour_, profile_.working);
    if (!colours) {
        return nullptr;
    }
    if (colours->text_colour) {
        SetTextColor(dc, *colours->text_colour);
    }
    if (colours->text_background) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, *colours->text_background);
    } else {
        SetBkMode(dc, TRANSPARENT);
    }
    if (colours->normal_font) {
        // A lighting static with a text too wide for the normal font draws in a smaller one of
        // its own; every other control was given the normal font.
        const auto own_font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        SelectObject(dc, own_font != nullptr ? own_font : normal_font_.get());
    }
    if (!colours->brush_colour) {
        return nullptr;
    }
    control_brush_.Reset(CreateSolidBrush(*colours->brush_colour));
    return control_brush_.get();
}

void CPelmarDlg::OnCommand(WPARAM wparam, LPARAM lparam) {
    const int id = LOWORD(wparam);
    const int notification = HIWORD(wparam);
    const bool from_menu = lparam == 0 && notification == 0;
    if (from_menu && id == ID_TRAY_EXIT) {
        Exit();
    }
    if (macro_panel_->OnCommand(id, notification)) {
        return;
    }
    if (ListChoiceOwnerOf(id, notification)) {
        // Taken once the list has finished with the click: the choice may destroy it.
        PostMessageW(window_, kListChoiceMessage, static_cast<WPARAM>(id),
                     static_cast<LPARAM>(basic_controls_.Selection(id)));
    }
}

void CPelmarDlg::OnListChoice(int list_id, int selection) {
    const std::optional<ListChoiceOwner> owner = ListChoiceOwnerOf(list_id, kListSelectionChange);
    if (!owner || pages_.page() != PageState::Basic) {
        return;
    }
    switch (*owner) {
        case ListChoiceOwner::ButtonFunctions:
            CarryButtonListOutcome(assignment_.ChooseFunction(selection));
            break;
        case ListChoiceOwner::DpiFunctions:
            CarryButtonListOutcome(assignment_.ChooseDpiFunction(selection));
            break;
        case ListChoiceOwner::Lighting:
            basic_controls_.Carry(lighting_->Choose(SelectorOfList(list_id), selection));
            break;
    }
}

}  // namespace corvanti::win
