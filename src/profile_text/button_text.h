#pragma once

#include <string>

#include "profile/profile_record.h"
#include "profile_text/profile_document.h"
#include "profile_text/text_field_reader.h"

namespace corvanti {

// [mode_a] and [mode_b] of the text form: each button slot by its function and the parameters
// that function uses, by the names of the assignment dialogs. A slot whose function type is
// unknown is left out (its bytes are kept in [raw]), and so is a parameter without a name.
TextSection KeyModeSection(const ProfileRecord& record, KeyMode mode);

// Reads [mode_a] or [mode_b] into the record. A button needs its function; a parameter fills
// both the code and the list index the slot stores beside it.
bool ReadKeyModeTable(TextFieldReader& reader, const toml::node& node, const std::string& path,
                      KeyMode mode, ProfileRecord& record);

}  // namespace corvanti
