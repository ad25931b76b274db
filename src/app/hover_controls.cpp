#include "app/hover_controls.h"

#include <optional>
#include <string>

#include "app/main_window_layout.h"

namespace corvanti {

namespace {

constexpr std::string_view kButtonNormal = "/button-normal.png";
constexpr std::string_view kButtonOver = "/button-over.png";
constexpr int kBoxNumberWidth = 20;

struct HoverKindLook {
    HoverKind kind;
    ClientRect area;  // the dropdown boxes' areas depend on the box
    std::string_view normal_image;
    std::string_view hovered_image;
    std::optional<TextRole> label;  // centred on the control
};

constexpr HoverKindLook kLooks[] = {
    {HoverKind::Ok, kOkArea, kButtonNormal, kButtonOver, TextRole::OkButton},
    {HoverKind::Apply, kApplyArea, kButtonNormal, kButtonOver, TextRole::ApplyButton},
    {HoverKind::Cancel, kCancelArea, kButtonNormal, kButtonOver, TextRole::CancelButton},
    {HoverKind::Minimise, kMinimiseArea, "/button-min-normal.png", "/button-min-over.png", {}},
    {HoverKind::Close, kCloseArea, "/button-close-normal.png", "/button-close-over.png", {}},
    {HoverKind::Skins, kSkinsArea, "/button-Skins-normal.png", "/button-Skins-over.png", {}},
    {HoverKind::BasicTab,
     kBasicTabArea,
     "/button-PrePage-normal.png",
     "/button-PrePage-over.png",
     {}},
    {HoverKind::AdvancedTab,
     kAdvancedTabArea,
     "/button-NextPage-normal.png",
     "/button-NextPage-over.png",
     {}},
    {HoverKind::KeyDefaults, kKeyDefaultsArea, kButtonNormal, kButtonOver,
     TextRole::KeyDefaultsButton},
    {HoverKind::DropdownBox, {}, "/DropdownBox-normal.png", "/DropdownBox-over.png", {}},
    {HoverKind::PointerDefault, kPointerDefaultArea, kButtonNormal, kButtonOver,
     TextRole::PointerDefaultsButton},
    {HoverKind::NewMacro, kNewMacroArea, kButtonNormal, kButtonOver, TextRole::NewMacro},
    {HoverKind::DeleteMacro, kDeleteMacroArea, kButtonNormal, kButtonOver, TextRole::Delete},
    {HoverKind::ConfirmMacro, kConfirmMacroArea, kButtonNormal, kButtonOver,
     TextRole::ConfirmMacro},
};

constexpr bool LooksFollowTheKinds() {
    for (std::size_t i = 0; i < std::size(kLooks); ++i) {
        if (static_cast<std::size_t>(kLooks[i].kind) != i) {
            return false;
        }
    }
    return true;
}
static_assert(LooksFollowTheKinds());

const HoverKindLook& LookOf(HoverKind kind) {
    return kLooks[static_cast<std::size_t>(kind)];
}

const std::string kNoCaption;

// The button number in the box's first 20 pixels, the caption in the rest.
DrawList BoxLabels(int k, std::string_view caption) {
    const ClientRect box = ButtonDropdown(k).trigger;
    const ClientRect number_area{box.left, box.top, box.left + kBoxNumberWidth, box.bottom};
    const ClientRect caption_area{box.left + kBoxNumberWidth, box.top, box.right, box.bottom};
    return {DrawLabel{std::to_string(k), number_area, text_format::kLeftMiddle},
            DrawLabel{std::string(caption), caption_area, text_format::kLeftMiddle}};
}

}  // namespace

ClientRect HoverControlArea(HoverControl control) {
    if (control.kind == HoverKind::DropdownBox) {
        return ButtonDropdown(control.box).trigger;
    }
    return LookOf(control.kind).area;
}

DrawImage HoverControlImage(HoverControl control, bool hot) {
    const HoverKindLook& look = LookOf(control.kind);
    const ClientRect area = HoverControlArea(control);
    return {std::string(hot ? look.hovered_image : look.normal_image), area.left, area.top};
}

DrawList HoverControlLabel(HoverControl control, const ControlTexts& texts) {
    if (control.kind == HoverKind::DropdownBox) {
        return BoxLabels(control.box, BoxCaption(texts.captions, texts.key_mode, control.box));
    }
    const std::optional<DrawLabel> label = ButtonLabel(control.kind, texts.texts);
    if (!label) {
        return {};
    }
    return {*label};
}

std::optional<DrawLabel> ButtonLabel(HoverKind kind, const LanguageTexts& texts) {
    const HoverKindLook& look = LookOf(kind);
    if (!look.label) {
        return std::nullopt;
    }
    return DrawLabel{texts.Text(*look.label), look.area, text_format::kCentred};
}

DrawList HoverControlDrawing(HoverControl control, bool hot, const ControlTexts& texts) {
    DrawList drawing{HoverControlImage(control, hot)};
    Append(drawing, HoverControlLabel(control, texts));
    return drawing;
}

DrawList DropdownBoxDrawing(int k, bool hot, std::string_view caption) {
    DrawList drawing{HoverControlImage({HoverKind::DropdownBox, k}, hot)};
    Append(drawing, BoxLabels(k, caption));
    return drawing;
}

const std::string& BoxCaption(const ButtonCaptions& captions, KeyMode mode, int k) {
    if (k < 1 || k > static_cast<int>(kCaptionButtonCount)) {
        return kNoCaption;
    }
    const std::size_t first = mode == KeyMode::B ? kCaptionButtonCount : 0;
    return captions[first + static_cast<std::size_t>(k - 1)];
}

}  // namespace corvanti
