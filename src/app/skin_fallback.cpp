#include "app/skin_fallback.h"

#include <algorithm>
#include <iterator>
#include <system_error>

namespace corvanti {

namespace {

// Only a folder directly under Skins is a skin: a name that climbs out of it or names a path is
// something the program never wrote.
bool IsPlainFolderName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string_view::npos;
}

}  // namespace

std::optional<SkinChoice> ChooseSkin(
    std::string_view wanted, const std::vector<std::string>& skin_folders,
    const std::function<bool(std::string_view)>& main_image_loads) {
    if (IsPlainFolderName(wanted) && main_image_loads(wanted)) {
        return SkinChoice{std::string(wanted), false};
    }
    std::vector<std::string_view> candidates{kShippedSkinName};
    std::copy_if(skin_folders.begin(), skin_folders.end(), std::back_inserter(candidates),
                 [](const std::string& name) { return name != kShippedSkinName; });
    for (const std::string_view candidate : candidates) {
        if (candidate != wanted && IsPlainFolderName(candidate) && main_image_loads(candidate)) {
            return SkinChoice{std::string(candidate), true};
        }
    }
    return std::nullopt;
}

}  // namespace corvanti
