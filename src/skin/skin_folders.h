#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvanti {

// The skins are the subfolders of the "Skins" folder beside the program; a skin's name is its
// folder's name. Paths and names are UTF-8.

// The skins folder of the program at executable_path: the executable's folder, with its
// trailing separator, then "/Skins".
std::string SkinsRootOf(std::string_view executable_path);

// The skin folders under `skins_folder`, by name in byte order (UTF-8); files are left out.
// Empty when the folder cannot be read.
std::vector<std::string> ListSkinFolders(const std::filesystem::path& skins_folder);

// Whether two names are equal when the letters A-Z are taken without regard to case (other
// letters must match exactly), as the file system compares folder names.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// The folder of the first skin whose name matches skin_name without regard to the case of
// A-Z: the skins folder, a backslash and the folder's own name. Empty when none matches.
std::optional<std::string> FindSkinFolder(const std::string& skins_root,
                                          std::string_view skin_name);

}  // namespace corvanti
