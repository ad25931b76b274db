#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace corvanti {

// One control to redraw, by its index among a window's hover-able controls.
struct HoverDraw {
    std::size_t control = 0;
    bool hot = false;
    bool operator==(const HoverDraw&) const = default;
};

// What the window must do for one mouse message: ask for a hover notification, and redraw
// these controls in this order.
struct HoverStep {
    bool request_hover = false;
    std::vector<HoverDraw> draws;
};

// The hovered flags of a window's hover-able controls, numbered 0 to count - 1. A flag is set
// while the control's hovered image is on the window's canvas, so a control is redrawn normal
// only when it really shows the hovered image.
class HoverFlags {
  public:
    explicit HoverFlags(std::size_t count) : hot_(count, false) {}

    // The pointer moved: over a hover-able control only the hover notification is asked for;
    // anywhere else every hot control returns to normal, in index order.
    HoverStep OnMouseMove(bool over_control);
    // The pointer rests on `control` (if any): it lights up, and the hot ones among `rivals`
    // (the other members of its group, which touch it) return to normal in the same step.
    HoverStep OnMouseHover(std::optional<std::size_t> control, std::span<const std::size_t> rivals);
    // The canvas was drawn anew without any hovered image.
    void ClearAll();

    bool IsHot(std::size_t control) const;

  private:
    void Restore(std::size_t control, HoverStep& step);

    std::vector<bool> hot_;
};

}  // namespace corvanti
