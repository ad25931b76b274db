#include "skin/frame_hover.h"

namespace corvanti {

namespace {

bool InAnyFrameButton(ClientPoint p) {
    return kFrameOkArea.Contains(p) || kFrameCancelArea.Contains(p) || kFrameCloseArea.Contains(p);
}

}  // namespace

bool FrameHoverState::IsHot(FrameButton button) const {
    return hot_[static_cast<std::size_t>(button)];
}

void FrameHoverState::Light(FrameButton button, FrameHoverStep& step) {
    step.draws.push_back({button, true});
    FlagOf(button) = true;
}

void FrameHoverState::Restore(FrameButton button, FrameHoverStep& step) {
    if (FlagOf(button)) {
        step.draws.push_back({button, false});
        FlagOf(button) = false;
    }
}

FrameHoverStep FrameHoverState::OnMouseMove(ClientPoint p) {
    FrameHoverStep step;
    if (InAnyFrameButton(p)) {
        step.request_hover = true;
        return step;
    }
    Restore(FrameButton::kClose, step);
    Restore(FrameButton::kOk, step);
    Restore(FrameButton::kCancel, step);
    return step;
}

FrameHoverStep FrameHoverState::OnMouseHover(ClientPoint p) {
    FrameHoverStep step;
    if (kFrameCloseArea.Contains(p)) {
        Light(FrameButton::kClose, step);
    } else if (kFrameOkArea.Contains(p)) {
        Light(FrameButton::kOk, step);
        Restore(FrameButton::kCancel, step);
    } else if (kFrameCancelArea.Contains(p)) {
        Light(FrameButton::kCancel, step);
        Restore(FrameButton::kOk, step);
    }
    return step;
}

}  // namespace corvanti
