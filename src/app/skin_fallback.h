#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_folders.h"

namespace corvanti {

// The skin that ships with the program, and the first one tried when the chosen skin is broken.
inline constexpr std::string_view kShippedSkinName = "Default";

struct SkinChoice {
    std::string name;
    bool fell_back = false;  // the chosen name was not usable
};

// Which skin the main window shows. The skin "Path" names is used when it is a plain folder
// name and its "main.png" loads; otherwise the shipped skin, otherwise the first listed folder
// whose "main.png" loads, so a broken or hand-edited settings file never leaves a window of 0
// by 0. Empty when no skin loads at all. `main_image_loads` tries one skin name.
std::optional<SkinChoice> ChooseSkin(std::string_view wanted,
                                     const std::vector<std::string>& skin_folders,
                                     const std::function<bool(std::string_view)>& main_image_loads);

}  // namespace corvanti
