#pragma once

#include <cstddef>
#include <string_view>

#include "app/settings_file.h"
#include "profile/profile_record.h"
#include "skin/draw_list.h"

namespace corvanti {

// The dropdown box of slot 0-9: its image (hovered or normal), the button number and the
// caption beside it. Nothing for a slot without a box.
DrawList DrawDropdownBox(std::size_t slot, std::string_view caption, bool hovered = false);

// The ten boxes with the captions of one key mode.
DrawList DrawDropdownBoxes(const ButtonCaptions& captions, KeyMode mode);

// "Mode A" and "Mode B": the shown mode's button highlighted, the other normal.
DrawList DrawKeyModeButtons(KeyMode shown);

}  // namespace corvanti
