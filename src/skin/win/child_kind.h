#pragma once

#include <windows.h>

#include "skin/child_colours.h"

namespace corvanti::skin {

// The kind of child control a WM_CTLCOLOR* message asks colours for.
inline ChildKind ChildKindOf(UINT ctl_colour_message) {
    switch (ctl_colour_message) {
        case WM_CTLCOLORSTATIC:
            return ChildKind::kStatic;
        case WM_CTLCOLOREDIT:
            return ChildKind::kEdit;
        case WM_CTLCOLORLISTBOX:
            return ChildKind::kListBox;
        case WM_CTLCOLORBTN:
            return ChildKind::kButton;
        default:
            return ChildKind::kOther;
    }
}

}  // namespace corvanti::skin
