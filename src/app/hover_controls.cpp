#include "app/hover_controls.h"

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

#include "app/main_window_layout.h"
#include "assign/button_captions.h"
#include "assign/button_drawing.h"
#include "assign/button_geometry.h"

namespace corvanti {

namespace {

constexpr std::string_view kButtonNormal = "/button-normal.png";
constexpr std::string_view kButtonOver = "/button-over.png";

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
    {HoverKind::DropdownBox, {}, {}, {}, {}},
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

std::size_t SlotOf(int box) {
    return static_cast<std::size_t>(box - 1);
}

}  // namespace

ClientRect HoverControlArea(HoverControl control) {
    if (control.kind == HoverKind::DropdownBox) {
        return DropdownBoxRect(SlotOf(control.box));
    }
    return LookOf(control.kind).area;
}

DrawList HoverControlDrawing(HoverControl control, bool hot, const ControlTexts& texts) {
    if (control.kind == HoverKind::DropdownBox) {
        const std::size_t slot = SlotOf(control.box);
        return DrawDropdownBox(slot, ButtonCaption(texts.captions, texts.key_mode, slot), hot);
    }
    DrawList drawing{ButtonImage(control.kind, hot)};
    if (auto label = ButtonLabel(control.kind, texts.texts)) {
        drawing.push_back(*label);
    }
    return drawing;
}

DrawImage ButtonImage(HoverKind kind, bool hot) {
    const HoverKindLook& look = LookOf(kind);
    return {std::string(hot ? look.hovered_image : look.normal_image), look.area.left,
            look.area.top};
}

std::optional<DrawLabel> ButtonLabel(HoverKind kind, const LanguageTexts& texts) {
    const HoverKindLook& look = LookOf(kind);
    if (!look.label) {
        return std::nullopt;
    }
    return DrawLabel{texts.Text(*look.label), look.area, text_format::kCentred};
}

}  // namespace corvanti
