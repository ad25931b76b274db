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

std::vector<std::string> ListSkinFolders(const std::filesystem::path& skins_folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(skins_folder, error), end;
         !error && entry != end; entry.increment(error)) {
        std::error_code kind_error;
        if (entry->is_directory(kind_error)) {
            const std::u8string name = entry->path().filename().u8string();
            names.emplace_back(name.begin(), name.end());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

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
