#include "macro/macro_key_dialog_layout.h"

namespace corvanti {

std::optional<int> RepeatModeAt(ClientPoint p) {
    for (const RepeatModeRow& row : kRepeatModeTable) {
        if (row.tick.Contains(p)) {
            return row.mode;
        }
    }
    return std::nullopt;
}

ClientRect VerticallyCentred(ClientRect area, int text_height) {
    const int top = area.top + (area.Height() - text_height) / 2;
    return {area.left, top, area.right, top + text_height};
}

}  // namespace corvanti
