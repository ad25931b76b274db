#include "common/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace corvanti {

namespace fs = std::filesystem;

namespace {

// A name beside the target that no other writer in this process or another uses at the same
// time.
fs::path TemporarySibling(const fs::path& path) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path temporary = path;
    temporary += ".tmp" + std::to_string(stamp) + "-" + std::to_string(counter++);
    return temporary;
}

std::error_code WriteAndFlush(const fs::path& path, std::span<const std::uint8_t> bytes) {
    std::FILE* file = nullptr;
    errno = 0;
#ifdef _WIN32
    file = _wfopen(path.c_str(), L"wb");
#else
    file = std::fopen(path.c_str(), "wb");
#endif
    if (file == nullptr) {
        // The reason (missing folder, no permission) is what the user's error box reports.
        const int reason = errno != 0 ? errno : EACCES;
        return {reason, std::generic_category()};
    }
    const std::size_t written =
        bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), file);
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    if (written != bytes.size() || !flushed || !closed) {
        return std::make_error_code(std::errc::io_error);
    }
    return {};
}

}  // namespace

std::error_code WriteFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const fs::path temporary = TemporarySibling(path);
    if (std::error_code error = WriteAndFlush(temporary, bytes)) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return error;
    }
    // rename replaces the target in one step (MoveFileExW with MOVEFILE_REPLACE_EXISTING on
    // Windows), so readers see the old or the new file, never a partial one.
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return error;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const fs::path& path,
                                                       std::uintmax_t max_size) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > max_size) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        return std::nullopt;
    }
    // A file that grew between the size query and the read is read again by the caller's
    // next attempt; here only what was announced is returned.
    return bytes;
}

}  // namespace corvanti
