#include "assign/win/combo_dialog.h"

#include "assign/capture_dialog_layouts.h"
#include "assign/capture_texts.h"
#include "assign/choice_lists.h"
#include "skin/win/child_control.h"

namespace corvanti::assign {

namespace {

namespace layout = combo_key_layout;

// No tab stop: a box takes the focus only from a click.
constexpr DWORD kKeyBoxStyle = WS_CHILD | WS_VISIBLE | ES_CENTER;

skin::FrameOptions ComboKeyFrame() {
    skin::FrameOptions options;
    options.key_filter = KeyFilter::kCaptureEnterEscape;
    options.answers_help = true;
    // The list draws its rows in the text background colour: without the dark one its white
    // entries would stand on white rows.
    options.child_colours = ChildColourRule{
        .statics = true, .edits = true, .list_boxes = true, .list_box_background = true};
    options.dropdown = skin::DropdownListSpec{
        .value_box_id = layout::kModifierBoxId,
        .value_box = layout::kModifierBox,
        .value_box_centred = true,
        .geometry = {layout::kTrigger, layout::kModifierList},
        .list_id = layout::kModifierListId,
        .disabled_while_open = {layout::kFirstKeyBoxId, layout::kSecondKeyBoxId},
        .wheel_scrolls = false,
    };
    return options;
}

}  // namespace

CComboDialog::CComboDialog(const SkinContext& context, UserMessages* messages)
    : SkinnedDialogFrame(SkinDialogKind::kComboKey, context, ComboKeyFrame(), messages) {}

bool CComboDialog::CreateControls() {
    first_key_box_ = skin::CreateChildControl(hwnd(), L"EDIT", "", kKeyBoxStyle,
                                              layout::kFirstKeyBox, layout::kFirstKeyBoxId);
    second_key_box_ = skin::CreateChildControl(hwnd(), L"EDIT", "", kKeyBoxStyle,
                                               layout::kSecondKeyBox, layout::kSecondKeyBoxId);
    return hook_.Install(hwnd(), win::kComboKeyCapturedMessage, ComboKeyHookFailureText,
                         messages());
}

std::vector<std::string> CComboDialog::ListEntries() {
    return ModifierEntries();
}

void CComboDialog::OnListChoice(int, const std::string& text) {
    capture_.OnModifierChosen(text);
}

INT_PTR CComboDialog::OnMessage(UINT message, WPARAM, LPARAM, bool& handled) {
    handled = message == win::kComboKeyCapturedMessage;
    if (!handled) {
        return FALSE;
    }
    const ComboKeyBox focused = FocusedKeyBox();
    if (capture_.OnKeyEvent(focused, hook_.last_keystroke())) {
        skin::ShowChildText(KeyBoxWindow(focused), capture_.NameIn(focused));
    }
    return TRUE;
}

ComboKeyBox CComboDialog::FocusedKeyBox() const {
    const HWND focus = GetFocus();
    if (focus == nullptr) {
        return ComboKeyBox::kNeither;
    }
    if (focus == first_key_box_) {
        return ComboKeyBox::kFirst;
    }
    return focus == second_key_box_ ? ComboKeyBox::kSecond : ComboKeyBox::kNeither;
}

HWND CComboDialog::KeyBoxWindow(ComboKeyBox box) const {
    return box == ComboKeyBox::kFirst ? first_key_box_ : second_key_box_;
}

}  // namespace corvanti::assign
