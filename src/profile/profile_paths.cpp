#include "profile/profile_paths.h"

namespace corvanti {

ProfilePaths BuildProfilePaths(const std::filesystem::path& executable) {
    const std::filesystem::path folder = executable.parent_path();
    return {executable, folder / "config.bin", folder / "record.ini", folder / "str.ini"};
}

}  // namespace corvanti
