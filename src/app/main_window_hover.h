#pragma once

#include <vector>

#include "app/hover_controls.h"
#include "app/page_operations.h"
#include "common/client_rect.h"
#include "skin/draw_list.h"
#include "skin/hover_flags.h"

namespace corvanti {

struct HoverControlDraw {
    HoverControl control;
    bool hot = false;
    bool operator==(const HoverControlDraw&) const = default;
};

// What the window must do for one mouse message: ask for a hover notification (10 ms), and
// redraw these controls in this order, in one drawing cycle.
struct MainHoverStep {
    bool request_hover = false;
    std::vector<HoverControlDraw> draws;
};

// The hovered flags of the main window's controls. Only the controls of the shown page take
// part: the common ones (OK, Apply, Cancel, minimise, close, skins, both tabs) on either
// page, the key defaults and the ten dropdown boxes on the basic page, the pointer
// "Default", "New", "Delete" and "Confirm" on the advanced page.
class MainWindowHover {
  public:
    MainWindowHover();

    // Over a control only the hover notification is asked for; anywhere else every hot
    // control returns to normal.
    MainHoverStep OnMouseMove(ClientPoint p, PageState page);
    // The control under the pointer lights up. Within {OK, Apply, Cancel}, {basic tab,
    // advanced tab}, {"New", "Delete", "Confirm"} and {the ten dropdown boxes} the other hot
    // members return to normal in the same step.
    MainHoverStep OnMouseHover(ClientPoint p, PageState page);
    // A page build drew the whole canvas anew, so no hovered image is left on it; a control
    // of the previous page must not be redrawn over the new one.
    void OnPageBuilt();

    bool IsHot(HoverControl control) const;

  private:
    HoverFlags flags_;
};

// The drawing of a step: each control's image and label in its new state.
DrawList HoverStepDrawing(const MainHoverStep& step, const ControlTexts& texts);

}  // namespace corvanti
