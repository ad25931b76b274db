#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

namespace corvanti {

// A new file written through the platform's own calls, so that a save can force its data onto
// the disk before the file takes another one's place. Each platform tree carries one
// implementation.
class DiskFile {
  public:
    DiskFile() = default;
    DiskFile(const DiskFile&) = delete;
    DiskFile& operator=(const DiskFile&) = delete;
    // Closes the file if it is still open, ignoring the result.
    ~DiskFile();

    // Creates `path` for writing; fails when it exists already.
    std::error_code Create(const std::filesystem::path& path);
    // Writes every byte (or fails).
    std::error_code Write(std::span<const std::uint8_t> bytes);
    // Returns once the file's data has reached the disk.
    std::error_code Flush();
    std::error_code Close();

  private:
    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t native_ = kClosed;  // a descriptor or a handle, by platform
};

// Puts `from` in the place of `to` in one step, replacing it, and makes the change of name
// itself durable where the file system allows it.
std::error_code ReplaceFileDurably(const std::filesystem::path& from,
                                   const std::filesystem::path& to);

}  // namespace corvanti
