#pragma once

#include <optional>
#include <string_view>

#include "profile/profile_file.h"
#include "profile_text/profile_text_error.h"

namespace corvanti {

struct ProfileTextImport {
    std::optional<ProfileFileContent> content;  // empty when the text was refused
    ProfileTextError error;                     // why, when it was
};

// The config.bin content a profile text stands for: the exact inverse of the export. Fields
// left out are 0; [raw] is laid over the record last. A text without any field, unknown names
// and fields, values out of range, duplicate keys, overlapping raw bytes and macros longer than
// their block refuse the text with the first problem found.
ProfileTextImport ImportProfileText(std::string_view text);

}  // namespace corvanti
