#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/win/handle_owners.h"
#include "skin/font_fitting.h"

namespace corvanti::skin {

// A font of a skinned dialog's face at a size: regular weight, upright, character set 0 (ANSI),
// default precisions and quality.
win::UniqueFont CreateDialogFaceFont(std::string_view face, FontSize size);

// What FittingFontSize asks of the window: `texts` measured in `face` at `size`, a line as
// high as the font.
EntriesExtent MeasureInDialogFace(std::string_view face, FontSize size,
                                  const std::vector<std::string>& texts);

}  // namespace corvanti::skin
