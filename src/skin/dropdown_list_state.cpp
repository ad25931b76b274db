#include "skin/dropdown_list_state.h"

namespace corvanti {

TriggerAction DropdownListState::OnTriggerClick(bool list_exists) {
    if (open_) {
        open_ = false;
        return TriggerAction::kClose;
    }
    open_ = true;
    return list_exists ? TriggerAction::kKeep : TriggerAction::kOpen;
}

bool DropdownListState::OnOtherClick(ClientPoint p, const DropdownGeometry& geometry,
                                     bool list_exists) {
    if (!list_exists || geometry.Covers(p)) {
        return false;
    }
    open_ = false;
    return true;
}

bool DropdownListState::OnListChoice(bool list_exists, bool has_selection) {
    open_ = false;
    return list_exists && has_selection;
}

WheelScroll WheelScrollFor(int wheel_delta) {
    constexpr int kLineUp = 0;
    constexpr int kLineDown = 1;
    return {wheel_delta > 0 ? kLineUp : kLineDown, 3};
}

}  // namespace corvanti
