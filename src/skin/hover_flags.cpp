#include "skin/hover_flags.h"

namespace corvanti {

bool HoverFlags::IsHot(std::size_t control) const {
    return control < hot_.size() && hot_[control];
}

void HoverFlags::Restore(std::size_t control, HoverStep& step) {
    if (IsHot(control)) {
        step.draws.push_back({control, false});
        hot_[control] = false;
    }
}

HoverStep HoverFlags::OnMouseMove(bool over_control) {
    HoverStep step;
    if (over_control) {
        step.request_hover = true;
        return step;
    }
    for (std::size_t control = 0; control < hot_.size(); ++control) {
        Restore(control, step);
    }
    return step;
}

HoverStep HoverFlags::OnMouseHover(std::optional<std::size_t> control,
                                   std::span<const std::size_t> rivals) {
    HoverStep step;
    if (!control || *control >= hot_.size()) {
        return step;
    }
    step.draws.push_back({*control, true});
    hot_[*control] = true;
    for (std::size_t rival : rivals) {
        if (rival != *control) {
            Restore(rival, step);
        }
    }
    return step;
}

void HoverFlags::ClearAll() {
    hot_.assign(hot_.size(), false);
}

}  // namespace corvanti
