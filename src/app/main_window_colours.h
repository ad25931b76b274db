#pragma once

#include <cstdint>
#include <optional>

#include "profile/profile_record.h"
#include "skin/child_colours.h"

namespace corvanti {

// How the main window colours one child control when the control asks (colours as
// 0x00BBGGRR values).
struct MainChildColours {
    std::optional<std::uint32_t> text_colour;      // left as it is when empty
    std::optional<std::uint32_t> text_background;  // transparent when empty, else opaque
    bool normal_font = false;                      // draw in the window's normal font
    std::optional<std::uint32_t> brush_colour;     // the default brush when empty
    bool operator==(const MainChildColours&) const = default;
};

// The macro editor's lists read in the user's text colour on a near-black ground, the
// dropdown lists in white on black, the DPI swatches show their stage's colour from the
// working record, the lighting texts and the chosen mouse event stand on black, and every
// other static on green-grey.
// Empty for the kinds the window leaves to the default handling.
std::optional<MainChildColours> MainWindowChildColours(ChildKind kind, int control_id,
                                                       Rgb text_colour,
                                                       const ProfileRecord& working);

}  // namespace corvanti
