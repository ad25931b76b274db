#pragma once

#include "common/client_rect.h"

namespace corvanti {

// Identifiers of the advanced page's macro editor controls, by which the main window tells
// them apart in its messages. The basic page's lists and statics carry the identifiers their
// owners give them (button assignment, DPI stages, lighting panel).
inline constexpr int kMouseEventTextId = 119;
inline constexpr int kLoopCountEditId = 149;
inline constexpr int kMacroNameEditId = 150;
inline constexpr int kMacroListId = 151;
inline constexpr int kEventListId = 152;
inline constexpr int kInsertMouseEventListId = 154;
// Where the macro editor's controls lie, in client pixels; the insert-mouse-event list opens
// over kInsertMouseEventDropdown's list area.
inline constexpr ClientRect kMacroNameEditArea{735, 322, 799, 336};
inline constexpr ClientRect kLoopCountEditArea{735, 362, 799, 376};
inline constexpr ClientRect kMacroListArea{462, 220, 591, 512};
inline constexpr ClientRect kEventListArea{592, 220, 725, 512};
inline constexpr ClientRect kMouseEventTextArea{735, 402, 839, 416};

// The command of the event list's context menu item (the menu resource carries it too).
inline constexpr int kDeleteEventCommandId = 32772;

}  // namespace corvanti
