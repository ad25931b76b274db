#pragma once

#include <optional>

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

// The control in one state: its skin image at its top-left corner and its label (a dropdown
// box shows its button number and caption, minimise, close, skins and the tabs no text).
DrawList HoverControlDrawing(HoverControl control, bool hot, const ControlTexts& texts);

// The image of a control other than a dropdown box, whose image the box drawing chooses.
DrawImage ButtonImage(HoverKind kind, bool hot);

// The text centred on a text button (OK, Apply, Cancel, both "Default" buttons, "New",
// "Delete", "Confirm"); empty for the other kinds.
std::optional<DrawLabel> ButtonLabel(HoverKind kind, const LanguageTexts& texts);

}  // namespace corvanti
