#pragma once

#include <cstddef>
#include <optional>

#include "profile/profile_record.h"
#include "skin/draw_list.h"

namespace corvanti {

// The clicks on the DPI panel (stages 0-3). Each edits only the working record and returns
// what to redraw; a refused click returns nothing to draw.

// Level cell 1-12 of a stage clicked: stores the 0-based level and lights the cells up to it,
// whether the stage is on or not. Cells past the sensor's level count are refused, and cells
// 9-12 answer only for sensor type 0 (other unknown sensors show them but cannot use them).
DrawList ClickDpiCell(ProfileRecord& record, int sensor_type, std::size_t stage, int cell);

// The on/off tick of a stage clicked: switches it on (lighting its stored level), or off
// while another stage stays on. The last stage on cannot be switched off.
DrawList ClickDpiTick(ProfileRecord& record, int sensor_type, std::size_t stage);

// Whether a click on a stage's swatch opens the colour chooser: only for a stage that is on.
bool DpiColourChoosable(const ProfileRecord& record, std::size_t stage);

// Stores the colour the user chose and names the swatch control to repaint.
std::optional<int> StoreDpiColour(ProfileRecord& record, std::size_t stage, Rgb colour);

}  // namespace corvanti
