#include "macro/macro_page_layout.h"

namespace corvanti {

std::optional<MacroPageAction> MacroPageButtonAt(ClientPoint p) {
    for (const MacroPageButton& button : kMacroPageButtons) {
        if (button.area.Contains(p)) {
            return button.action;
        }
    }
    return std::nullopt;
}

bool ClosesMouseEventList(ClientPoint p) {
    return !kMouseEventBox.Contains(p) && !kMouseEventListArea.Contains(p);
}

}  // namespace corvanti
