#include "app/win/tray_icon.h"

#include <cstddef>
#include <string>

#include "common/text_encoding.h"
#include "common/win/program_messages.h"

namespace corvanti::win {
namespace {

// The record up to and including the item identifier, without the balloon icon: the size
// every shell since the balloon tips were introduced accepts.
constexpr DWORD kRecordSize = offsetof(NOTIFYICONDATAW, hBalloonIcon);
static_assert(kRecordSize == 968);

constexpr const wchar_t kTip[] = L"Corvanti-Tarn";

template <std::size_t N>
void CopyCut(wchar_t (&target)[N], const std::wstring& text) {
    const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
    text.copy(target, length);
    target[length] = L'\0';
}

}  // namespace

void TrayIcon::Add(HWND window, HICON icon) {
    record_.cbSize = kRecordSize;
    record_.hWnd = window;
    record_.uCallbackMessage = kTrayCallbackMessage;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.hIcon = icon;
    CopyCut(record_.szTip, kTip);
    const BOOL added = Shell_NotifyIconW(NIM_ADD, &record_);
    added_ = true;
    trace_.Trace(std::string("tray icon added: ") + (added ? "ok" : "failed"));
}

void TrayIcon::ShowBalloon(const Balloon& balloon) {
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    CopyCut(record_.szInfo, Utf8ToWide(balloon.text));
    CopyCut(record_.szInfoTitle, Utf8ToWide(balloon.title));
    record_.uTimeout = balloon.timeout_ms;
    record_.dwInfoFlags = NIIF_INFO;
    Shell_NotifyIconW(NIM_MODIFY, &record_);
    trace_.Trace("balloon: " + balloon.title + " | " + balloon.text + " | " +
                 std::to_string(balloon.timeout_ms));
}

void TrayIcon::Remove() {
    if (!added_) {
        return;
    }
    Shell_NotifyIconW(NIM_DELETE, &record_);
    added_ = false;
    trace_.Trace("tray icon removed");
}

}  // namespace corvanti::win
