#pragma once

#include "common/client_rect.h"

namespace corvanti {

// Where a skinned dialog's drop-down list lives: the trigger (value box plus the arrow drawn
// in the background) and the area the open list covers.
struct DropdownGeometry {
    ClientRect trigger;
    ClientRect list_area;

    // A click here leaves the list open: it belongs to the dropdown itself.
    constexpr bool Covers(ClientPoint p) const {
        return trigger.Contains(p) || list_area.Contains(p);
    }
};

// What the window must do with the list after a trigger click.
enum class TriggerAction {
    // Destroy the list if it exists and enable the controls it disabled.
    kClose,
    // Disable the controls, take the focus, create the list and fill it.
    kOpen,
    // A list window is already there; nothing to create.
    kKeep,
};

// The open flag of one dialog's drop-down list. Every run of a dialog starts closed, so the
// first trigger click opens the list.
class DropdownListState {
  public:
    // A click in the trigger area toggles the list.
    TriggerAction OnTriggerClick(bool list_exists);
    // A click outside both trigger and list closes an existing list; true when it must be
    // destroyed (and the disabled controls enabled again).
    bool OnOtherClick(ClientPoint p, const DropdownGeometry& geometry, bool list_exists);
    // A selection change or double click in the list; true when the choice must be taken
    // (and the list destroyed).
    bool OnListChoice(bool list_exists, bool has_selection);

    bool IsOpen() const { return open_; }

  private:
    bool open_ = false;
};

// One notch of the mouse wheel scrolls an open list by three lines.
struct WheelScroll {
    int scroll_code = 0;  // 0 line up, 1 line down
    int lines = 3;
    bool operator==(const WheelScroll&) const = default;
};

WheelScroll WheelScrollFor(int wheel_delta);

}  // namespace corvanti
