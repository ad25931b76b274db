#include "skin/win/skins_dialog.h"

#include <commdlg.h>

#include <array>
#include <utility>

#include "skin/skins_dialog_layout.h"
#include "skin/win/child_control.h"

namespace corvanti::skin {

namespace {

namespace layout = skins_layout;

constexpr DWORD kSwatchStyle = WS_CHILD | WS_VISIBLE | SS_CENTER;
constexpr std::size_t kCustomColourCount = 16;

FrameOptions SkinsFrame() {
    FrameOptions options;
    // The list draws its rows in the text background colour: without the dark one its white
    // entries would stand on white rows.
    options.child_colours =
        ChildColourRule{.statics = true, .list_boxes = true, .list_box_background = true};
    options.dropdown = DropdownListSpec{
        .value_box_id = layout::kSkinNameBoxId,
        .value_box = layout::kSkinNameBox,
        .value_box_centred = false,
        .geometry = {layout::kTrigger, layout::kSkinList},
        .list_id = layout::kSkinListId,
        .disabled_while_open = {},
        .wheel_scrolls = true,
    };
    return options;
}

COLORREF ColourRefOf(Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

}  // namespace

std::optional<Rgb> ChooseColourWithSystemChooser(HWND owner) {
    static std::array<COLORREF, kCustomColourCount> custom_colours{};
    CHOOSECOLORW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpCustColors = custom_colours.data();
    if (ChooseColorW(&request) == FALSE) {
        return std::nullopt;
    }
    return Rgb{GetRValue(request.rgbResult), GetGValue(request.rgbResult),
               GetBValue(request.rgbResult)};
}

CSkinsDialog::CSkinsDialog(const SkinContext& context, std::string skin_name,
                           std::string skins_root, ColourChooser choose_colour,
                           UserMessages* messages)
    : SkinnedDialogFrame(SkinDialogKind::kSkins, context, SkinsFrame(), messages),
      current_name_(std::move(skin_name)),
      choose_colour_(std::move(choose_colour)),
      choice_(std::move(skins_root), context.skin_directory, context.text_colour) {}

void CSkinsDialog::SetLanguageTexts(Language language) {
    // Only reached once the background has loaded: a dialog that cannot show itself keeps an
    // empty name.
    choice_.OnShown(current_name_);
    SetChoiceText(current_name_);
    colour_prompt_ = layout::kColourPromptText.In(language);
}

bool CSkinsDialog::CreateControls() {
    swatch_brush_.Reset(CreateSolidBrush(ColourRefOf(result().text_colour)));
    swatch_ =
        CreateChildControl(hwnd(), L"STATIC", "", kSwatchStyle, layout::kSwatch, layout::kSwatchId);
    return true;
}

void CSkinsDialog::DrawOwn(HDC dc) {
    // In the colour the dialog opened with; a newly chosen one shows only in the swatch. The
    // English prompt is wider than its area and takes two lines.
    DrawWrappedLabel(dc, colour_prompt_, layout::kColourPrompt, DT_CENTER, text_colour());
}

void CSkinsDialog::OnListChoice(int, const std::string& text) {
    choice_.OnSkinChosen(text);
}

void CSkinsDialog::OnOwnClick(ClientPoint p) {
    if (!layout::kSwatch.Contains(p) || !choose_colour_) {
        return;
    }
    if (const std::optional<Rgb> colour = choose_colour_(hwnd())) {
        choice_.OnColourChosen(*colour);
        swatch_brush_.Reset(CreateSolidBrush(ColourRefOf(*colour)));
        InvalidateRect(swatch_, nullptr, TRUE);
    }
}

HBRUSH CSkinsDialog::OnChildColour(HDC dc, HWND child, ChildKind kind) {
    if (child != nullptr && child == swatch_) {
        SetBkMode(dc, TRANSPARENT);
        return swatch_brush_.get();
    }
    return SkinnedDialogFrame::OnChildColour(dc, child, kind);
}

}  // namespace corvanti::skin
