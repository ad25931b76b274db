#include "skin/skin_folders.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "common/text_encoding.h"

namespace corvanti {

namespace {

constexpr std::string_view kSkinsFolderName = "/Skins";
// How the file finder joins a folder and an entry it found.
constexpr char kFinderSeparator = '\\';

// Names come back in UTF-8 whatever the system's code page, like the paths going in. A name
// that has no UTF-8 form (a lone UTF-16 surrogate, which the file system allows) could never
// be written to the settings file as a skin's name: it has none.
std::optional<std::string> Utf8FromPath(const std::filesystem::path& path) {
    try {
        const std::u8string utf8 = path.u8string();
        return std::string(utf8.begin(), utf8.end());
    } catch (const std::system_error&) {
        return std::nullopt;
    }
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string SkinsRootOf(std::string_view executable_path) {
    const std::size_t last_separator = executable_path.find_last_of("\\/");
    std::string root(last_separator == std::string_view::npos
                         ? std::string_view{}
                         : executable_path.substr(0, last_separator + 1));
    root += kSkinsFolderName;
    return root;
}

std::vector<std::string> ListSkinFolders(const std::filesystem::path& skins_folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(skins_folder, error), end;
         !error && entry != end; entry.increment(error)) {
        std::error_code kind_error;
        if (!entry->is_directory(kind_error)) {
            continue;
        }
        if (std::optional<std::string> name = Utf8FromPath(entry->path().filename())) {
            names.push_back(std::move(*name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> FindSkinFolder(const std::string& skins_root,
                                          std::string_view skin_name) {
    for (const std::string& folder : ListSkinFolders(PathFromUtf8(skins_root))) {
        if (EqualsIgnoringAsciiCase(folder, skin_name)) {
            return skins_root + kFinderSeparator + folder;
        }
    }
    return std::nullopt;
}

}  // namespace corvanti
