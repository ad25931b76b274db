#pragma once

#include <optional>
#include <string_view>

#include "app/language_texts.h"
#include "app/settings_file.h"
#include "common/client_rect.h"
#include "profile/profile_record.h"
#include "skin/draw_list.h"

namespace corvanti {

// The main window's controls that light up under the pointer.
enum class HoverKind {
    Ok,
    Apply,
    Cancel,
    Minimise,
    Close,
    Skins,
    BasicTab,
    AdvancedTab,
    KeyDefaults,
    DropdownBox,  // one of the ten button function boxes
    PointerDefault,
    NewMacro,
    DeleteMacro,
    ConfirmMacro,
};

struct HoverControl {
    HoverKind kind = HoverKind::Ok;
    int box = 0;  // button k (1-10) of a dropdown box, 0 otherwise
    bool operator==(const HoverControl&) const = default;
};

// What the labels on the controls read: the language's texts, and for the dropdown boxes
// the captions of the key mode the basic page shows.
struct ControlTexts {
    const LanguageTexts& texts;
    const ButtonCaptions& captions;
    KeyMode key_mode = KeyMode::A;
};

ClientRect HoverControlArea(HoverControl control);

// The control's skin image in its normal or hovered state, at the control's top-left corner.
DrawImage HoverControlImage(HoverControl control, bool hot);

// The text drawn on the control (none for the image-only minimise, close, skins and tabs).
DrawList HoverControlLabel(HoverControl control, const ControlTexts& texts);

// The text centred on a text button (OK, Apply, Cancel, both "Default" buttons, "New",
// "Delete", "Confirm"); empty for the other kinds.
std::optional<DrawLabel> ButtonLabel(HoverKind kind, const LanguageTexts& texts);

// Image and label: what redrawing the control in one state takes.
DrawList HoverControlDrawing(HoverControl control, bool hot, const ControlTexts& texts);

// Button k's dropdown box: the box image, the button number in its first 20 pixels and the
// caption beside it.
DrawList DropdownBoxDrawing(int k, bool hot, std::string_view caption);

// The caption button k's box shows in key mode `mode`.
const std::string& BoxCaption(const ButtonCaptions& captions, KeyMode mode, int k);

}  // namespace corvanti
