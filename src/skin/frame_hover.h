#pragma once

#include <cstddef>
#include <vector>

#include "common/client_rect.h"
#include "skin/frame_layout.h"
#include "skin/hover_flags.h"

namespace corvanti {

// One button to draw: its image state and, for OK and Cancel, its label on top.
struct FrameButtonDraw {
    FrameButton button = FrameButton::kOk;
    bool hot = false;
    bool operator==(const FrameButtonDraw&) const = default;
};

// What the window must do for one mouse message: ask for a hover notification, and draw
// these buttons in this order.
struct FrameHoverStep {
    bool request_hover = false;
    std::vector<FrameButtonDraw> draws;
};

// Which of the three frame buttons show their hovered image. The flags describe what is on
// the dialog's canvas, so every run of a dialog starts with a fresh state.
class FrameHoverState {
  public:
    // Inside a button only the hover notification is requested; anywhere else every hot
    // button returns to normal.
    FrameHoverStep OnMouseMove(ClientPoint p);
    // The hovered button lights up; moving between OK and Cancel (which touch) swaps them in
    // the same step.
    FrameHoverStep OnMouseHover(ClientPoint p);

    bool IsHot(FrameButton button) const;

    static constexpr std::size_t kButtonCount = 3;

  private:
    HoverFlags flags_{kButtonCount};
};

}  // namespace corvanti
