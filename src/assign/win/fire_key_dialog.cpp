#include "assign/win/fire_key_dialog.h"

#include "assign/capture_dialog_layouts.h"
#include "assign/capture_texts.h"
#include "assign/choice_lists.h"
#include "skin/win/child_control.h"

namespace corvanti::assign {

namespace {

namespace layout = fire_key_layout;

constexpr DWORD kNumberBoxStyle = WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER;
constexpr COLORREF kLabelColour = RGB(255, 255, 255);
constexpr UINT kCentredSingleLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// Repaints a number box after its check, with the replacement text when the number was
// refused.
void ShowCheckedNumber(HWND box, const std::optional<std::string>& replacement) {
    if (replacement) {
        skin::ShowChildText(box, *replacement);
    } else {
        InvalidateRect(box, nullptr, TRUE);
    }
}

skin::FrameOptions FireKeyFrame() {
    skin::FrameOptions options;
    options.child_colours = ChildColourRule{
        .statics = true, .edits = true, .list_boxes = true, .list_box_background = true};
    options.dropdown = skin::DropdownListSpec{
        .value_box_id = layout::kKeyBoxId,
        .value_box = layout::kKeyBox,
        .value_box_centred = true,
        .geometry = {layout::kTrigger, layout::kKeyList},
        .list_id = layout::kKeyListId,
        .disabled_while_open = {layout::kSpeedBoxId, layout::kCountBoxId},
        .wheel_scrolls = true,
    };
    return options;
}

}  // namespace

CFireKeyDialog::CFireKeyDialog(const SkinContext& context, UserMessages* messages)
    : SkinnedDialogFrame(SkinDialogKind::kFireKey, context, FireKeyFrame(), messages) {}

void CFireKeyDialog::SetLanguageTexts(Language language) {
    speed_label_ = kFireKeySpeedLabel.In(language);
    count_label_ = kFireKeyCountLabel.In(language);
    speed_explanation_ = kFireKeySpeedExplanation.In(language);
    count_explanation_ = kFireKeyCountExplanation.In(language);
    SetChoiceText(entry_.choice().key_text);
}

bool CFireKeyDialog::CreateControls() {
    speed_box_ = skin::CreateChildControl(hwnd(), L"EDIT", "", kNumberBoxStyle, layout::kSpeedBox,
                                          layout::kSpeedBoxId);
    count_box_ = skin::CreateChildControl(hwnd(), L"EDIT", "", kNumberBoxStyle, layout::kCountBox,
                                          layout::kCountBoxId);
    skin::ShowChildText(speed_box_, entry_.InitialSpeedText());
    skin::ShowChildText(count_box_, entry_.InitialCountText());
    return true;
}

std::vector<std::string> CFireKeyDialog::ListEntries() {
    return FireKeyEntries();
}

void CFireKeyDialog::OnListChoice(int index, const std::string& text) {
    entry_.OnKeyChosen(index, text);
}

INT_PTR CFireKeyDialog::OnMessage(UINT message, WPARAM wparam, LPARAM, bool& handled) {
    // Ending the dialog takes the focus from the speed box, so its check also runs on OK.
    handled = message == WM_COMMAND && OnBoxNotification(LOWORD(wparam), HIWORD(wparam));
    return handled ? TRUE : FALSE;
}

bool CFireKeyDialog::OnBoxNotification(int id, WORD notification) {
    if (id == layout::kSpeedBoxId && notification == EN_CHANGE) {
        InvalidateRect(speed_box_, nullptr, TRUE);
        return true;
    }
    if (id == layout::kSpeedBoxId && notification == EN_KILLFOCUS) {
        CheckSpeed();
        return true;
    }
    if (id == layout::kCountBoxId && notification == EN_CHANGE) {
        CheckCount();
        return true;
    }
    return false;
}

void CFireKeyDialog::CheckSpeed() {
    ShowCheckedNumber(speed_box_, entry_.OnSpeedFocusLost(skin::ChildText(speed_box_)));
}

void CFireKeyDialog::CheckCount() {
    // Showing the replacement changes the text once more; that change is valid and ends here.
    ShowCheckedNumber(count_box_, entry_.OnCountChanged(skin::ChildText(count_box_)));
}

void CFireKeyDialog::DrawOwn(HDC dc) {
    DrawLabel(dc, speed_label_, layout::kSpeedLabel, kCentredSingleLine, kLabelColour);
    DrawLabel(dc, count_label_, layout::kCountLabel, kCentredSingleLine, kLabelColour);
    DrawWrappedLabel(dc, speed_explanation_, layout::kSpeedExplanation, DT_LEFT, kLabelColour);
    DrawWrappedLabel(dc, count_explanation_, layout::kCountExplanation, DT_LEFT, kLabelColour);
}

}  // namespace corvanti::assign
