#pragma once

namespace corvanti {

// Identifiers of the child controls the pages of the main window create. Other parts find
// their controls (and the main window tells them apart in its messages) by these numbers.

// The DPI function list that opens beside a button function list's "DPI Switch" item.
inline constexpr int kSecondaryListId = 37;

// Button k's function list (k = 1-10).
constexpr int ButtonListId(int k) {
    return 40 + k;
}

// The lighting selectors' lists: mode, parameter, effect.
inline constexpr int kLightingListIds[] = {63, 64, 65};

// The colour swatch static of DPI stage k (k = 1-4).
constexpr int DpiSwatchId(int k) {
    return 70 + k;
}

// The lighting selectors' texts: mode, parameter, effect.
inline constexpr int kLightingTextIds[] = {80, 81, 82};

// The advanced page's macro editor.
inline constexpr int kMouseEventTextId = 119;
inline constexpr int kLoopCountEditId = 149;
inline constexpr int kMacroNameEditId = 150;
inline constexpr int kMacroListId = 151;
inline constexpr int kEventListId = 152;
inline constexpr int kInsertMouseEventListId = 154;

}  // namespace corvanti
