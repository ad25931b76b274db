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
// same folder, reach the disk, and the temporary file then takes the old one's place, a change
// that is itself made durable. Creates the file when it does not exist. Returns an empty error
// code on success; on failure the old file is untouched and no temporary file is left.
std::error_code WriteFileAtomically(const std::filesystem::path& path,
                                    std::span<const std::uint8_t> bytes);

// The steps of such a save, in order.
enum class SaveStep { Open, Write, Flush, Rename };

// While it lives, every save of this thread fails at `step` as if the system had refused it,
// after the steps before it have really run: what a full disk or a pulled stick does to a save.
class ScopedSaveFailure {
  public:
    explicit ScopedSaveFailure(SaveStep step);
    ~ScopedSaveFailure();
    ScopedSaveFailure(const ScopedSaveFailure&) = delete;
    ScopedSaveFailure& operator=(const ScopedSaveFailure&) = delete;

  private:
    const SaveStep* previous_;
    SaveStep step_;
};

// Reads a whole file, refusing files larger than `max_size` bytes (a hostile or wrong file must
// not make the program allocate without limit). Empty when the file cannot be read or is too
// large.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path,
                                                       std::uintmax_t max_size);

}  // namespace corvanti
