#include "macro/win/macro_dialog.h"

#include "common/text_encoding.h"
#include "macro/macro_key_dialog_layout.h"
#include "skin/frame_layout.h"

namespace corvanti::macro {

namespace {

constexpr UINT kCentredSingleLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kWrapped = DT_WORDBREAK | DT_EDITCONTROL;
constexpr COLORREF kWhite = RGB(255, 255, 255);

skin::FrameOptions MacroDialogOptions() {
    skin::FrameOptions options;
    options.child_colours = ChildColourRule{.statics = true, .list_boxes = true};
    skin::DropdownListSpec dropdown;
    dropdown.value_box_id = kMacroValueBoxId;
    dropdown.value_box = kMacroValueBox;
    dropdown.geometry = {kMacroTrigger, kMacroKeyListArea};
    dropdown.list_id = kMacroKeyListId;
    dropdown.wheel_scrolls = true;
    options.dropdown = dropdown;
    return options;
}

RECT ToRect(ClientRect r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

}  // namespace

CMacroDialog::CMacroDialog(const SkinContext& context, const MacroStore& store,
                           UserMessages* messages)
    : SkinnedDialogFrame(SkinDialogKind::kMacroKey, context, MacroDialogOptions(), messages),
      store_(store) {}

MacroKeyChoice CMacroDialog::result() const {
    return {choice_index(), choice_text(), repeat_mode_};
}

void CMacroDialog::SetLanguageTexts(Language language) {
    prompt_ = kMacroPromptText.In(language);
    mode_texts_.clear();
    for (const RepeatModeRow& row : kRepeatModeTable) {
        mode_texts_.emplace_back(row.label.In(language));
    }
}

bool CMacroDialog::CreateControls() {
    repeat_mode_ = kInitialRepeatMode;
    return true;
}

void CMacroDialog::DrawWrapped(HDC dc, const std::string& text, ClientRect area) {
    // Measured first, so the wrapped lines stand centred in the area.
    const std::wstring wide = Utf8ToWide(text);
    RECT measured = ToRect(area);
    {
        win::ScopedSelection select_font(dc, font());
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &measured,
                  kWrapped | DT_CALCRECT);
    }
    DrawLabel(dc, text, VerticallyCentred(area, measured.bottom - measured.top), kWrapped, kWhite);
}

void CMacroDialog::DrawOwn(HDC dc) {
    DrawLabel(dc, prompt_, kMacroPromptArea, kCentredSingleLine, kWhite);
    for (std::size_t i = 0; i < kRepeatModeTable.size(); ++i) {
        const RepeatModeRow& row = kRepeatModeTable[i];
        DrawSkinImage(dc, row.mode == repeat_mode_ ? kTickedImage : kUntickedImage, row.tick.left,
                      row.tick.top);
        DrawWrapped(dc, mode_texts_[i], row.text);
    }
}

std::vector<std::string> CMacroDialog::ListEntries() {
    return store_.ListBindableMacros();
}

void CMacroDialog::OnOwnClick(ClientPoint p) {
    const std::optional<int> mode = RepeatModeAt(p);
    if (!mode || *mode == repeat_mode_) {
        return;
    }
    repeat_mode_ = *mode;
    // Redrawn from the clean background, so the cleared tick leaves nothing behind.
    InvalidateRect(hwnd(), nullptr, TRUE);
}

std::optional<MacroKeyChoice> ChooseMacroKey(const SkinContext& context, const MacroStore& store,
                                             const skin::DialogRunner& run) {
    CMacroDialog dialog(context, store);
    return skin::RunForResult(dialog, run);
}

}  // namespace corvanti::macro
