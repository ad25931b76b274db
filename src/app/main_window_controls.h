#pragma once

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

}  // namespace corvanti
