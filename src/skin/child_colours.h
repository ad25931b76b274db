#pragma once

#include <cstdint>
#include <optional>

namespace corvanti {

// The kinds of child control a dialog is asked to colour.
enum class ChildKind { kStatic, kEdit, kListBox, kButton, kOther };

// Which kinds a dialog colours itself; the rest keep the system's colours.
struct ChildColourRule {
    bool statics = false;
    bool edits = false;
    bool list_boxes = false;
    // List boxes also get the dark text background (edits always do).
    bool list_box_background = false;
};

// Colours as 0x00BBGGRR values.
inline constexpr std::uint32_t kChildTextColour = 0xFFFFFF;
inline constexpr std::uint32_t kChildBackground = 0x282828;

// What the window does for one colour request: white text on a transparent background,
// optionally a solid text background, the dialog font, and a brush of kChildBackground.
struct ChildColours {
    std::uint32_t text_colour = kChildTextColour;
    std::optional<std::uint32_t> text_background;
    std::uint32_t brush_colour = kChildBackground;
    bool operator==(const ChildColours&) const = default;
};

// Empty when the control keeps the default colours.
std::optional<ChildColours> ChildColoursFor(ChildKind kind, const ChildColourRule& rule);

}  // namespace corvanti
