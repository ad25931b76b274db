#include "skin/skin_choice.h"

#include <utility>

#include "skin/skin_folders.h"

namespace corvanti {

SkinChoice::SkinChoice(std::string skins_root, std::string current_directory, Rgb current_colour)
    : skins_root_(std::move(skins_root)),
      selection_{std::move(current_directory), {}, current_colour} {}

void SkinChoice::OnShown(std::string current_name) {
    selection_.skin_name = std::move(current_name);
}

std::vector<std::string> SkinChoice::ListEntries() const {
    return ListSkinFolders(skins_root_);
}

void SkinChoice::OnSkinChosen(std::string name) {
    if (std::optional<std::string> folder = FindSkinFolder(skins_root_, name)) {
        selection_.skin_directory = std::move(*folder);
    }
    selection_.skin_name = std::move(name);
}

std::optional<SkinSelection> SkinToAdopt(const SkinSelection& ended_with_ok) {
    if (ended_with_ok.skin_name.empty()) {
        return std::nullopt;
    }
    return ended_with_ok;
}

}  // namespace corvanti
