#include <windows.h>

#include <algorithm>
#include <limits>

#include "common/disk_file.h"

namespace corvanti {

namespace {

std::error_code LastError() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

HANDLE AsHandle(std::intptr_t native) {
    return reinterpret_cast<HANDLE>(native);
}

}  // namespace

DiskFile::~DiskFile() {
    if (native_ != kClosed) {
        CloseHandle(AsHandle(native_));
    }
}

std::error_code DiskFile::Create(const std::filesystem::path& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return LastError();
    }
    native_ = reinterpret_cast<std::intptr_t>(file);
    return {};
}

std::error_code DiskFile::Write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(
            std::min<std::size_t>(bytes.size(), std::numeric_limits<DWORD>::max()));
        DWORD written = 0;
        if (!WriteFile(AsHandle(native_), bytes.data(), chunk, &written, nullptr)) {
            return LastError();
        }
        if (written == 0) {
            return std::make_error_code(std::errc::io_error);
        }
        bytes = bytes.subspan(written);
    }
    return {};
}

std::error_code DiskFile::Flush() {
    return FlushFileBuffers(AsHandle(native_)) ? std::error_code{} : LastError();
}

std::error_code DiskFile::Close() {
    HANDLE file = AsHandle(native_);
    native_ = kClosed;
    return CloseHandle(file) ? std::error_code{} : LastError();
}

std::error_code ReplaceFileDurably(const std::filesystem::path& from,
                                   const std::filesystem::path& to) {
    // Write-through: the call returns only once the new name is on the disk.
    constexpr DWORD kFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    return MoveFileExW(from.c_str(), to.c_str(), kFlags) ? std::error_code{} : LastError();
}

}  // namespace corvanti
