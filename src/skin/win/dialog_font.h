#pragma once

#include <windows.h>

#include <string_view>

#include "common/win/handle_owners.h"
#include "skin/font_fitting.h"

namespace corvanti::skin {

// A font of a skinned dialog's face at a size: regular weight, upright, the default character
// set, precisions and quality.
win::UniqueFont CreateDialogFaceFont(std::string_view face, FontSize size);

}  // namespace corvanti::skin
