#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "profile/profile_file.h"

namespace corvanti {

// Reads a config.bin for corvanti-ctl. A file that is missing, unreadable or not exactly
// kProfileFileSize bytes long yields nothing, with the reason written to `err`.
std::optional<ProfileFileContent> LoadProfileForCtl(const std::string& path, std::ostream& err);

}  // namespace corvanti
