#include "sim/request_file.h"

#include <cstdint>
#include <system_error>

#include "common/atomic_file.h"

namespace corvanti {

namespace {

constexpr std::uintmax_t kMaxRequestFileSize = 64 * 1024;

}  // namespace

std::optional<std::string> TakeRequestFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return std::nullopt;
    }
    std::filesystem::path taken = path;
    taken += ".taken";
    std::filesystem::rename(path, taken, error);
    if (error) {
        return std::nullopt;  // still being written (locked on Windows); taken at a later poll
    }
    const auto bytes = ReadWholeFile(taken, kMaxRequestFileSize);
    std::filesystem::remove(taken, error);
    if (!bytes) {
        return std::nullopt;
    }
    return std::string(bytes->begin(), bytes->end());
}

std::vector<std::string_view> RequestLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

}  // namespace corvanti
