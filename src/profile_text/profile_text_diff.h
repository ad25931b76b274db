#pragma once

#include <string>
#include <vector>

#include "profile/profile_file.h"

namespace corvanti {

// What differs between two profiles, in the terms of their text form: one line a value,
// `mode_a.button3.function: "Mid Click" -> "Key Off"`, with (none) where only one side has the
// value. In the order of the first profile's text, then what only the second has. Empty when
// the two are the same byte for byte.
std::vector<std::string> DiffProfiles(const ProfileFileContent& first,
                                      const ProfileFileContent& second);

}  // namespace corvanti
