#pragma once

#include <string>

#include "profile/profile_file.h"

namespace corvanti {

// A readable account of a config.bin: the first-run flag, both key modes button by button,
// the key matrices Apply sends (matrix 1 from "Mode A", 3 from "Mode B"), DPI stages, report
// rate, lighting, pointer settings, the shown key mode and every macro block's loop count and
// event count. One fact per line, so tools can grep it.
std::string FormatProfileReport(const ProfileFileContent& content);

}  // namespace corvanti
