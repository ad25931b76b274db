#include "app/win/child_windows.h"

#include <string>

#include "common/text_encoding.h"

namespace corvanti::win {

namespace {

constexpr DWORD kListBoxStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY;

HMENU IdAsMenu(int control_id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id));
}

UniqueWindow CreateChild(HWND parent, const wchar_t* window_class, const std::wstring& text,
                         DWORD style, ClientRect area, int control_id, HFONT font) {
    UniqueWindow control(CreateWindowExW(0, window_class, text.c_str(), style, area.left, area.top,
                                         area.right - area.left, area.bottom - area.top, parent,
                                         IdAsMenu(control_id), GetModuleHandleW(nullptr), nullptr));
    if (control && font != nullptr) {
        SendMessageW(control.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return control;
}

}  // namespace

UniqueWindow CreateListBox(HWND parent, const ListBoxWindow& list, HFONT font) {
    UniqueWindow control =
        CreateChild(parent, L"LISTBOX", L"", kListBoxStyle, list.area, list.control_id, font);
    for (const std::string& entry : list.entries) {
        SendMessageW(control.get(), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Utf8ToWide(entry).c_str()));
    }
    return control;
}

UniqueWindow CreateStaticText(HWND parent, int control_id, ClientRect area, std::string_view text,
                              DWORD style, HFONT font) {
    return CreateChild(parent, L"STATIC", Utf8ToWide(text), WS_CHILD | WS_VISIBLE | style, area,
                       control_id, font);
}

void SetControlText(HWND control, std::string_view text) {
    SetWindowTextW(control, Utf8ToWide(text).c_str());
    InvalidateRect(control, nullptr, TRUE);
}

int ControlId(HWND control) {
    return control == nullptr ? 0 : GetDlgCtrlID(control);
}

}  // namespace corvanti::win
