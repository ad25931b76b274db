#include "assign/win/single_dialog.h"

#include "assign/capture_dialog_layouts.h"
#include "assign/capture_texts.h"
#include "skin/win/child_control.h"

namespace corvanti::assign {

namespace {

namespace layout = single_key_layout;

constexpr DWORD kKeyBoxStyle = WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_CENTER;
constexpr COLORREF kPromptColour = RGB(255, 255, 255);

skin::FrameOptions SingleKeyFrame() {
    skin::FrameOptions options;
    options.key_filter = KeyFilter::kCaptureEnterEscapeWindows;
    options.answers_help = true;
    options.child_colours = ChildColourRule{.statics = true, .edits = true};
    return options;
}

}  // namespace

CSingleDialog::CSingleDialog(const SkinContext& context, UserMessages* messages)
    : SkinnedDialogFrame(SkinDialogKind::kSingleKey, context, SingleKeyFrame(), messages) {}

void CSingleDialog::SetLanguageTexts(Language language) {
    prompt_ = kSingleKeyPrompt.In(language);
}

bool CSingleDialog::CreateControls() {
    key_box_ = skin::CreateChildControl(hwnd(), L"STATIC", result().key_name, kKeyBoxStyle,
                                        layout::kKeyBox, layout::kKeyBoxId);
    return hook_.Install(hwnd(), win::kSingleKeyCapturedMessage, SingleKeyHookFailureText,
                         messages());
}

void CSingleDialog::DrawOwn(HDC dc) {
    DrawLabel(dc, prompt_, layout::kPrompt, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kPromptColour);
}

INT_PTR CSingleDialog::OnMessage(UINT message, WPARAM, LPARAM, bool& handled) {
    handled = message == win::kSingleKeyCapturedMessage;
    if (!handled) {
        return FALSE;
    }
    skin::ShowChildText(key_box_, capture_.OnKeyEvent(hook_.last_keystroke()));
    return TRUE;
}

}  // namespace corvanti::assign
