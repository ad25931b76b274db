#pragma once

#include <filesystem>
#include <system_error>

namespace corvanti {

// The str.ini shipped beside the program: English, the "Default" skin and a light text colour
// that reads well on the dark skins. The button captions are left to the program's first run.
std::error_code WriteDefaultSettings(const std::filesystem::path& settings_file);

}  // namespace corvanti
