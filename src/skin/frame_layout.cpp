#include "skin/frame_layout.h"

namespace corvanti {

ClientRect FrameButtonArea(FrameButton button) {
    switch (button) {
        case FrameButton::kOk:
            return kFrameOkArea;
        case FrameButton::kCancel:
            return kFrameCancelArea;
        case FrameButton::kClose:
            return kFrameCloseArea;
    }
    return {};
}

std::string_view FrameButtonImage(FrameButton button, bool hot) {
    if (button == FrameButton::kClose) {
        return hot ? "/button-close-over.png" : "/button-close-normal.png";
    }
    return hot ? "/button-over.png" : "/button-normal.png";
}

bool FrameButtonHasLabel(FrameButton button) {
    return button != FrameButton::kClose;
}

std::optional<int> FrameClickResult(ClientPoint p) {
    std::optional<int> result;
    if (kFrameOkArea.Contains(p)) {
        result = kDialogOk;
    }
    if (kFrameCancelArea.Contains(p)) {
        result = kDialogCancel;
    }
    if (kFrameCloseArea.Contains(p)) {
        result = kDialogCancel;
    }
    return result;
}

}  // namespace corvanti
