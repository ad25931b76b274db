#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "profile/profile_file.h"

namespace corvanti {

// Reads a config.bin for corvanti-ctl. A file that is missing, unreadable or not exactly
// kProfileFileSize bytes long yields nothing, with the reason written to `err`.
std::optional<ProfileFileContent> LoadProfileForCtl(const std::string& path, std::ostream& err);

// Reads a profile in either form: a config.bin, or its text form (see profile_text). A file of
// exactly kProfileFileSize bytes holding a control character that text never holds is a
// config.bin; anything else is read as text. Problems, with the line and column of bad text,
// go to `err` and yield nothing.
std::optional<ProfileFileContent> LoadAnyProfileForCtl(const std::string& path, std::ostream& err);

}  // namespace corvanti
