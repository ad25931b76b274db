#pragma once

#include <optional>

namespace corvanti {

// What a WM_COMMAND from the macro half of the advanced page asks the macro editor to do.
enum class MacroPageCommand {
    NameEdited,        // edit 150 changed
    LoopCountEdited,   // edit 149 changed
    MacroChosen,       // list 151: selection changed
    EventChosen,       // list 152: selection changed by a click
    EventDoubleClick,  // list 152: a delay opens the delay dialog
    MouseEventChosen,  // list 154: an entry of the insert-mouse-event list
    DeleteEvent,       // the event list's context menu item
};

// Notification codes beside the lists' (the high word of WM_COMMAND's wParam).
inline constexpr int kMenuCommandNotification = 0;
inline constexpr int kEditChangeNotification = 0x300;

// The command of control (or menu item) `control_id` sending `notification`; nothing when it
// is none of the macro page's.
std::optional<MacroPageCommand> MacroPageCommandOf(int control_id, int notification);

}  // namespace corvanti
