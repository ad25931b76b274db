#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <system_error>
#include <vector>

namespace corvanti {

// Replaces the whole content of `path` so that a crash or power loss at any moment leaves
// either the old file or the new one, never a mixture: the bytes go to a temporary file in the
// same folder, are flushed, and the temporary file then takes the old one's place.
// Creates the file when it does not exist. Returns an empty error code on success.
std::error_code WriteFileAtomically(const std::filesystem::path& path,
                                    std::span<const std::uint8_t> bytes);

// Reads a whole file, refusing files larger than `max_size` bytes (a hostile or wrong file must
// not make the program allocate without limit). Empty when the file cannot be read or is too
// large.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path,
                                                       std::uintmax_t max_size);

}  // namespace corvanti
