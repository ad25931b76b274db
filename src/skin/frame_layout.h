#pragma once

#include <optional>
#include <string_view>

#include "common/client_rect.h"

namespace corvanti {

// The three image buttons every skinned dialog draws on its background. Their rectangles are
// fixed whatever the size of the background.
enum class FrameButton { kOk, kCancel, kClose };

inline constexpr ClientRect kFrameCloseArea{352, 6, 370, 24};
inline constexpr ClientRect kFrameOkArea{166, 253, 271, 274};
inline constexpr ClientRect kFrameCancelArea{270, 253, 375, 274};

// Dialog end codes as the dialog manager knows them.
inline constexpr int kDialogOk = 1;
inline constexpr int kDialogCancel = 2;

ClientRect FrameButtonArea(FrameButton button);

// The skin image of a button in its normal or hovered state ("/button-over.png" ...).
std::string_view FrameButtonImage(FrameButton button, bool hot);

// Whether a frame button carries a text label (OK and Cancel do, the close cross does not).
bool FrameButtonHasLabel(FrameButton button);

// What a left click at p ends the dialog with, if anything. OK, Cancel and close are tested
// in that order and each hit replaces the previous result, so the column x = 270 that OK and
// Cancel share ends the dialog with Cancel.
std::optional<int> FrameClickResult(ClientPoint p);

}  // namespace corvanti
