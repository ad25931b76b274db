#pragma once

#include <functional>

#include "common/client_rect.h"

namespace corvanti {

// A drop-down's value box and list are narrow, and some entries (long function names, skin
// folders) are wider at the dialog font than the box. They take one font for all entries,
// fitted so that the widest one shows in full.

// Below this height a text is no longer read comfortably; an entry still too wide is cut off.
inline constexpr int kSmallestFittedFontHeight = 10;

// The width a value box leaves to its text: its sunken edges and a margin on either side.
int ValueBoxTextWidth(ClientRect value_box);

// The dialog font's height when the widest entry fits the width at it, otherwise the largest
// smaller height at which it fits, never below kSmallestFittedFontHeight. widest_at(height)
// measures the widest entry with the dialog's face at that height.
int FittingFontHeight(int dialog_font_height, int width,
                      const std::function<int(int height)>& widest_at);

}  // namespace corvanti
