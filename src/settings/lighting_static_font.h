#pragma once

#include <functional>
#include <optional>

#include "skin/font_fitting.h"

namespace corvanti {

// The lighting statics are narrower than some of their texts at the settings font (a long
// effect name, a mode name in a wide face), and a centred text too wide for its static is cut
// on both sides. A static keeps the settings font when its text fits its width; otherwise it
// takes the smaller, or narrower, size at which the text shows in full, by the same rule as a
// drop-down's entries. Empty for a control that is not a lighting static.
// measure_text(size) measures the static's text in the settings face at that size.
std::optional<FontSize> LightingStaticFontSize(
    int control_id, int settings_font_height,
    const std::function<EntriesExtent(FontSize size)>& measure_text);

}  // namespace corvanti
