#include "skin/child_colours.h"

namespace corvanti {

std::optional<ChildColours> ChildColoursFor(ChildKind kind, const ChildColourRule& rule) {
    ChildColours colours;
    switch (kind) {
        case ChildKind::kStatic:
            if (!rule.statics) {
                return std::nullopt;
            }
            return colours;
        case ChildKind::kEdit:
            if (!rule.edits) {
                return std::nullopt;
            }
            colours.text_background = kChildBackground;
            return colours;
        case ChildKind::kListBox:
            if (!rule.list_boxes) {
                return std::nullopt;
            }
            if (rule.list_box_background) {
                colours.text_background = kChildBackground;
            }
            return colours;
        case ChildKind::kButton:
        case ChildKind::kOther:
            break;
    }
    return std::nullopt;
}

}  // namespace corvanti
