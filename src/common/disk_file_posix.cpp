// The POSIX side of DiskFile; the Windows tree builds common/win/disk_file_windows.cpp instead.
#ifndef _WIN32

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "common/disk_file.h"

namespace corvanti {

namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// Makes the folder's entry for a renamed file durable: the rename lives in the folder, not in
// the file.
std::error_code SyncFolder(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0) {
        return LastError();
    }
    const int synced = ::fsync(descriptor);
    const std::error_code error = synced == 0 ? std::error_code{} : LastError();
    ::close(descriptor);
    return error;
}

}  // namespace

DiskFile::~DiskFile() {
    if (native_ != kClosed) {
        ::close(static_cast<int>(native_));
    }
}

std::error_code DiskFile::Create(const std::filesystem::path& path) {
    constexpr mode_t kReadWriteForAll = 0666;  // narrowed by the user's umask
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kReadWriteForAll);
    if (descriptor < 0) {
        return LastError();
    }
    native_ = descriptor;
    return {};
}

std::error_code DiskFile::Write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(static_cast<int>(native_), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? LastError() : std::make_error_code(std::errc::io_error);
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return {};
}

std::error_code DiskFile::Flush() {
    return ::fsync(static_cast<int>(native_)) == 0 ? std::error_code{} : LastError();
}

std::error_code DiskFile::Close() {
    const int descriptor = static_cast<int>(native_);
    native_ = kClosed;
    return ::close(descriptor) == 0 ? std::error_code{} : LastError();
}

std::error_code ReplaceFileDurably(const std::filesystem::path& from,
                                   const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        return LastError();
    }
    // Best effort: some file systems cannot sync a folder, and the new file is in place by now,
    // so reporting the save as failed would be wrong.
    (void)SyncFolder(to.parent_path());
    return {};
}

}  // namespace corvanti

#endif  // _WIN32
