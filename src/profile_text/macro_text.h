#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "profile/profile_record.h"
#include "profile_text/profile_document.h"
#include "profile_text/text_field_reader.h"

namespace corvanti {

// [macroN] of a macro block: its loop count and its events by key name, each pressed or
// released, with the pause after it in milliseconds. Nothing for an empty block and for one
// whose bytes the names cannot say exactly (it is then kept in [raw]).
std::optional<TextSection> MacroSection(std::size_t block_index,
                                        std::span<const std::uint8_t> block);

// Reads [macroN] into block `block_index` of the record. Pauses must be ones the block keeps
// exactly (tens of milliseconds up to 1270, any up to 10000 above) and the events must fit
// into the block; otherwise the reader fails.
bool ReadMacroTable(TextFieldReader& reader, const toml::node& node, const std::string& path,
                    std::size_t block_index, ProfileRecord& record);

}  // namespace corvanti
