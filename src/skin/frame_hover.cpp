#include "skin/frame_hover.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace corvanti {

namespace {

// The frame buttons in the order a leaving pointer returns them to normal.
constexpr std::array<FrameButton, FrameHoverState::kButtonCount> kHoverOrder = {
    FrameButton::kClose, FrameButton::kOk, FrameButton::kCancel};

constexpr std::size_t IndexOf(FrameButton button) {
    for (std::size_t i = 0; i < kHoverOrder.size(); ++i) {
        if (kHoverOrder[i] == button) {
            return i;
        }
    }
    return kHoverOrder.size();
}

// OK and Cancel touch, so lighting one returns the other to normal.
constexpr std::array<std::size_t, 2> kOkCancelGroup = {IndexOf(FrameButton::kOk),
                                                       IndexOf(FrameButton::kCancel)};

// The shared column x = 270 lights OK.
std::optional<FrameButton> ButtonAt(ClientPoint p) {
    if (kFrameCloseArea.Contains(p)) {
        return FrameButton::kClose;
    }
    if (kFrameOkArea.Contains(p)) {
        return FrameButton::kOk;
    }
    if (kFrameCancelArea.Contains(p)) {
        return FrameButton::kCancel;
    }
    return std::nullopt;
}

FrameHoverStep ToFrameStep(const HoverStep& step) {
    FrameHoverStep frame_step{step.request_hover, {}};
    for (const HoverDraw& draw : step.draws) {
        frame_step.draws.push_back({kHoverOrder[draw.control], draw.hot});
    }
    return frame_step;
}

}  // namespace

bool FrameHoverState::IsHot(FrameButton button) const {
    return flags_.IsHot(IndexOf(button));
}

FrameHoverStep FrameHoverState::OnMouseMove(ClientPoint p) {
    return ToFrameStep(flags_.OnMouseMove(ButtonAt(p).has_value()));
}

FrameHoverStep FrameHoverState::OnMouseHover(ClientPoint p) {
    const std::optional<FrameButton> button = ButtonAt(p);
    if (!button) {
        return {};
    }
    const std::span<const std::size_t> rivals =
        *button == FrameButton::kClose ? std::span<const std::size_t>{} : kOkCancelGroup;
    return ToFrameStep(flags_.OnMouseHover(IndexOf(*button), rivals));
}

}  // namespace corvanti
