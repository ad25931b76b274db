#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "profile/profile_record.h"
#include "profile_text/profile_document.h"

namespace corvanti {

// [raw] of the text form: bytes of the profile record that no name says, keyed by their offset
// in the record ("0x0780"), as lower-case hex. They are laid over the record last.

// The runs of bytes where `actual` differs from `from_names`, at most kRawRunBytes a line;
// nothing when they are the same.
inline constexpr std::size_t kRawRunBytes = 32;
std::optional<TextSection> RawSection(const ProfileRecord& from_names, const ProfileRecord& actual);

// "0x" and four hex digits.
std::string RawKeyOfOffset(std::size_t offset);
// The offset a [raw] key names; nothing for any other text or an offset past the record.
std::optional<std::size_t> RawOffsetOfKey(std::string_view key);

}  // namespace corvanti
