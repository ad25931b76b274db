#include "skin/skin_dialog_choice.h"

#include <utility>

#include "common/text_encoding.h"
#include "skin/skin_folders.h"

namespace corvanti {

SkinDialogChoice::SkinDialogChoice(std::string skins_root, std::string current_directory,
                                   Rgb current_colour)
    : skins_root_(std::move(skins_root)),
      selection_{std::move(current_directory), {}, current_colour} {}

void SkinDialogChoice::OnShown(std::string current_name) {
    selection_.skin_name = std::move(current_name);
}

std::vector<std::string> SkinDialogChoice::ListEntries() const {
    return ListSkinFolders(PathFromUtf8(skins_root_));
}

void SkinDialogChoice::OnSkinChosen(std::string name) {
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
