#include "assign/button_drawing.h"

#include <string>

#include "assign/button_captions.h"
#include "assign/button_geometry.h"

namespace corvanti {

namespace {

constexpr std::string_view kBoxNormalImage = "/DropdownBox-normal.png";
constexpr std::string_view kBoxHoveredImage = "/DropdownBox-over.png";
constexpr std::string_view kButtonNormalImage = "/button-normal.png";
constexpr std::string_view kButtonHighlightedImage = "/button-over.png";

// The button number takes the first pixels of the box, the caption the rest.
constexpr int kNumberWidth = 20;

}  // namespace

DrawList DrawDropdownBox(std::size_t slot, std::string_view caption, bool hovered) {
    const ClientRect box = DropdownBoxRect(slot);
    if (box.IsEmpty()) {
        return {};
    }
    const int caption_left = box.left + kNumberWidth;
    return {
        DrawImage{std::string(hovered ? kBoxHoveredImage : kBoxNormalImage), box.left, box.top},
        DrawLabel{std::to_string(slot + 1),
                  {box.left, box.top, caption_left, box.bottom},
                  text_format::kLeftMiddle},
        DrawLabel{std::string(caption),
                  {caption_left, box.top, box.right, box.bottom},
                  text_format::kLeftMiddle},
    };
}

DrawList DrawDropdownBoxes(const ButtonCaptions& captions, KeyMode mode) {
    DrawList list;
    for (std::size_t slot = 0; slot < kMouseButtonCount; ++slot) {
        Append(list, DrawDropdownBox(slot, ButtonCaption(captions, mode, slot)));
    }
    return list;
}

DrawList DrawKeyModeButtons(KeyMode shown) {
    DrawList list;
    for (const KeyModeButton& button : kKeyModeButtons) {
        const auto image = button.mode == shown ? kButtonHighlightedImage : kButtonNormalImage;
        list.push_back(DrawImage{std::string(image), button.rect.left, button.rect.top});
        list.push_back(DrawLabel{std::string(button.label), button.rect, text_format::kCentred});
    }
    return list;
}

}  // namespace corvanti
