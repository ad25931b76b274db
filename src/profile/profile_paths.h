#pragma once

#include <filesystem>

namespace corvanti {

// The program's own path and the three data files that live beside it.
struct ProfilePaths {
    std::filesystem::path executable;
    std::filesystem::path profile;      // config.bin
    std::filesystem::path macro_store;  // record.ini
    std::filesystem::path settings;     // str.ini
};

// The data files are found in the executable's folder whatever the executable is called, so a
// renamed or copied program still finds them and no data path can ever be the program itself.
ProfilePaths BuildProfilePaths(const std::filesystem::path& executable);

}  // namespace corvanti
