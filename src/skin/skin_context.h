#pragma once

#include <string>
#include <string_view>

#include "common/rgb.h"

namespace corvanti {

// The process-wide values every skinned dialog reads when it opens. The program fills it at
// start-up and whenever the user picks another skin or text colour.
struct SkinContext {
    // Folder of the current skin, UTF-8, without a trailing separator; image names (which
    // begin with "/") are appended to it.
    std::string skin_directory;
    // Colour of the labels drawn on the skin (OK and Cancel, prompts).
    Rgb text_colour{0, 255, 0};
    // "CHS", "CHT" or anything else for English.
    std::string language_code;
};

// Forms the path of one skin image: the names begin with their own separator.
inline std::string SkinImagePath(const std::string& skin_directory, std::string_view image_name) {
    return skin_directory + std::string(image_name);
}

}  // namespace corvanti
