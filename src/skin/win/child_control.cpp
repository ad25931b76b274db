#include "skin/win/child_control.h"

#include "common/text_encoding.h"

namespace corvanti::skin {

HWND CreateChildControl(HWND parent, const wchar_t* class_name, std::string_view text, DWORD style,
                        ClientRect area, int id) {
    return CreateWindowExW(0, class_name, Utf8ToWide(text).c_str(), style, area.left, area.top,
                           area.Width(), area.Height(), parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void ShowChildText(HWND control, std::string_view text) {
    SetWindowTextW(control, Utf8ToWide(text).c_str());
    InvalidateRect(control, nullptr, TRUE);
}

std::string ChildText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return WideToUtf8(text);
}

}  // namespace corvanti::skin
