#pragma once

#include <array>
#include <vector>

#include "app/main_window_layout.h"
#include "app/page_operations.h"
#include "common/client_rect.h"

namespace corvanti {

// What a left click on the main window asks the window to do. What each action then does
// belongs to the control's owner (button assignment, DPI, lighting, pointer settings,
// macros); `index` and `value` are 0 unless the action names them.
enum class ClickActionKind {
    CloseButtonList,     // index: button k (1-10); destroy the list if it exists, clear its flag
    CloseSecondaryList,  // the DPI function list (control 37) beside a button list
    CloseLightingList,   // index: lighting dropdown n (1 mode, 2 parameter, 3 effect)
    CloseInsertMouseEventList,
    Ok,     // only while connected
    Apply,  // only while connected
    SkinsDialog,
    Hide,  // minimise
    Exit,  // close: clean up and end the process
    ShowBasicPage,
    ShowAdvancedPage,
    Cancel,
    OpenWebLink,
    KeyModeA,
    KeyModeB,
    KeyDefaults,
    ToggleButtonList,   // index: button k (1-10)
    ReportRateSegment,  // index: segment s (1-4: 125, 250, 500, 1000 Hz)
    DpiTick,            // index: stage k (1-4)
    DpiSwatch,          // index: stage k (1-4); a disabled stage ignores it
    LightingSelector,   // index: lighting dropdown n (1-3)
    DpiLevel,           // index: stage k (1-4), value: level L (1-12), whatever the sensor
    PrecisionTick,
    PageScrollTick,
    PointerDefaults,
    StartRecording,
    StopRecording,
    NewMacro,
    DeleteMacro,
    ConfirmMacro,
    ToggleInsertMouseEventList,
    PointerSlider,  // index: row r (1 speed, 2 scrolling, 3 double-click), value: position p
    WindowDrag,     // move the window as if its caption were dragged
};

struct ClickAction {
    ClickActionKind kind = ClickActionKind::WindowDrag;
    int index = 0;
    int value = 0;
    bool operator==(const ClickAction&) const = default;
};

using ClickActions = std::vector<ClickAction>;

// The dropdown lists that may need closing: true while a list's window exists or its open
// flag is set (the effect selector in standard mode sets the flag without a window).
struct OpenDropdowns {
    std::array<bool, kButtonCount> button_lists{};
    bool secondary_list = false;
    std::array<bool, kLightingDropdownCount> lighting_lists{};
    bool insert_mouse_event_list = false;
};

struct ClickContext {
    ClientPoint point;
    PageState page = PageState::None;
    OpenDropdowns open;
    bool connected = false;
};

// The actions of one click, in the order the window carries them out. The controls on every
// page come first; OK, Apply, skins and Cancel let the click go on to the page's own
// hotspots, where it may also start a window drag.
ClickActions DispatchClick(const ClickContext& click);

}  // namespace corvanti
