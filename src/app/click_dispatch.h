#pragma once

#include <vector>

#include "app/page_operations.h"
#include "common/client_rect.h"

namespace corvanti {

// What a left click on the main window asks the window to do. What each action then does
// belongs to the control's owner (button assignment, DPI, lighting, pointer settings,
// macros); `index` and `value` are 0 unless the action names them.
enum class ClickActionKind {
    // The button assignment closes the function list the click misses, and the DPI function
    // list beside it.
    CloseButtonListsOutside,
    // The lighting panel closes the lists whose selector and area the click misses.
    CloseLightingListsOutside,
    CloseInsertMouseEventList,  // destroy the list if it exists, clear its flag
    Ok,                         // only while connected
    Apply,                      // only while connected
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
    LightingSelector,   // index: selector n (1 mode, 2 parameter, 3 effect)
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

struct ClickContext {
    ClientPoint point;
    PageState page = PageState::None;
    // While its window exists or its open flag is set.
    bool insert_mouse_event_list_open = false;
    bool connected = false;
};

// The actions of one click, in the order the window carries them out. The controls on every
// page come first; OK, Apply, skins and Cancel let the click go on to the page, which first
// closes the dropdown lists the click misses and then finds its hotspot, or else starts a
// window drag.
ClickActions DispatchClick(const ClickContext& click);

}  // namespace corvanti
