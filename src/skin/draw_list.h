#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "common/client_rect.h"

namespace corvanti {

// The main window decides what to draw as plain data; the window layer only executes it, in
// order, in one drawing cycle onto its canvas.

// A skin image at its natural size with its top-left corner at (x, y). The name begins with
// "/" and is appended to the current skin directory.
struct DrawImage {
    std::string name;
    int x = 0;
    int y = 0;
    bool operator==(const DrawImage&) const = default;
};

// The two fonts of the main window.
enum class LabelFont { kNormal, kTitle };

// DrawTextW formats the window uses.
namespace text_format {
inline constexpr std::uint32_t kLeftMiddle = 0x24;        // single line, vertically centred, left
inline constexpr std::uint32_t kCentred = 0x25;           // single line, centred both ways
inline constexpr std::uint32_t kCentredTop = 0x21;        // single line, centred horizontally, top
inline constexpr std::uint32_t kRightMiddle = 0x26;       // single line, vertically centred, right
inline constexpr std::uint32_t kWrappedMeasure = 0x2411;  // word break, centred: measures only
inline constexpr std::uint32_t kWrapped = 0x2010;         // word break, edit-control rules
}  // namespace text_format

// A text in the window's text colour on a transparent background. A label with the format
// kWrapped is first measured and then drawn vertically centred in its rectangle.
struct DrawLabel {
    std::string text;  // UTF-8
    ClientRect rect;
    std::uint32_t format = text_format::kCentred;
    LabelFont font = LabelFont::kNormal;
    bool operator==(const DrawLabel&) const = default;
};

using DrawStep = std::variant<DrawImage, DrawLabel>;
using DrawList = std::vector<DrawStep>;

// Appends the steps of `more` to `list`.
inline void Append(DrawList& list, const DrawList& more) {
    list.insert(list.end(), more.begin(), more.end());
}

}  // namespace corvanti
