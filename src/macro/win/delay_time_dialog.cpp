#include "macro/win/delay_time_dialog.h"

#include "macro/delay_time_dialog_layout.h"
#include "skin/frame_layout.h"
#include "skin/win/child_control.h"

namespace corvanti::macro {

namespace {

constexpr UINT kCentredSingleLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_CENTER;

skin::FrameOptions DelayDialogOptions() {
    skin::FrameOptions options;
    options.child_colours = ChildColourRule{.edits = true};
    return options;
}

}  // namespace

CDelayTimeDialog::CDelayTimeDialog(const SkinContext& context, UserMessages* messages)
    : SkinnedDialogFrame(SkinDialogKind::kDelayTime, context, DelayDialogOptions(), messages) {}

void CDelayTimeDialog::SetLanguageTexts(Language language) {
    prompt_ = kDelayPromptText.In(language);
    range_hint_ = kDelayRangeHintText.In(language);
}

bool CDelayTimeDialog::CreateControls() {
    entry_ = DelayEntry{};
    const ClientRect area = kDelayEditArea;
    edit_ = CreateWindowExW(
        0, L"EDIT", L"", kEditStyle, area.left, area.top, area.Width(), area.Height(), hwnd(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kDelayEditId)), nullptr, nullptr);
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    SendMessageW(edit_, EM_LIMITTEXT, kDelayEditMaxDigits, 0);
    return true;
}

void CDelayTimeDialog::DrawOwn(HDC dc) {
    DrawLabel(dc, prompt_, kDelayPromptArea, kCentredSingleLine, kWhite);
    DrawLabel(dc, range_hint_, kDelayHintArea, kCentredSingleLine, kWhite);
}

INT_PTR CDelayTimeDialog::OnMessage(UINT message, WPARAM wparam, LPARAM, bool& handled) {
    handled = message == WM_COMMAND && LOWORD(wparam) == kDelayEditId &&
              HIWORD(wparam) == EN_CHANGE && edit_ != nullptr;
    if (handled) {
        OnEditChanged();
    }
    return handled ? TRUE : FALSE;
}

void CDelayTimeDialog::OnEditChanged() {
    entry_ = DelayEntryOfEditText(skin::ChildText(edit_));
    InvalidateRect(edit_, nullptr, TRUE);
}

std::optional<DelayEntry> AskDelayTime(const SkinContext& context, const skin::DialogRunner& run) {
    CDelayTimeDialog dialog(context);
    return skin::RunForResult(dialog, run);
}

}  // namespace corvanti::macro
