#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "common/user_messages.h"
#include "profile/profile_record.h"

namespace corvanti {

// config.bin: the first-run flag, then the profile record byte for byte; no header, no checksum.
inline constexpr std::size_t kProfileFileSize = 1 + kProfileRecordSize;
using ProfileFileBytes = std::array<std::uint8_t, kProfileFileSize>;

// The first-run flag is 0 until the program has saved once; the main window resets the button
// captions once while it reads 0.
struct ProfileFileContent {
    std::uint8_t first_run_flag = 0;
    ProfileRecord record;
};

ProfileFileBytes SerializeProfileFile(const ProfileFileContent& content);

// The content of a file's bytes; empty unless there are exactly kProfileFileSize of them.
std::optional<ProfileFileContent> ParseProfileFile(std::span<const std::uint8_t> bytes);

// Reads config.bin. A missing file shows "Config file is not exist." and a file of any other
// size than kProfileFileSize is ignored without a word; in both cases the record is the factory
// profile and the flag 0, so the next Apply never sends an all-zero configuration.
ProfileFileContent LoadProfileFile(const std::filesystem::path& path, UserMessages& messages,
                                   TraceSink& trace);

// Writes flag 1 and the record as one atomic replacement of config.bin (created when missing),
// so a crash mid-write leaves the old file. A failure shows the "Error Code is" box with the
// error's code and returns false; the old file is then unchanged.
bool SaveProfileFile(const std::filesystem::path& path, const ProfileRecord& record,
                     UserMessages& messages, TraceSink& trace);

}  // namespace corvanti
