#include "sim/press_request.h"

#include <charconv>
#include <optional>
#include <string>
#include <system_error>

#include "common/atomic_file.h"

namespace corvanti {

namespace {

constexpr std::uintmax_t kMaxRequestFileSize = 64 * 1024;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

// Reads one decimal byte at the front of `text` and drops it from `text`.
std::optional<std::uint8_t> TakeByte(std::string_view& text) {
    text = SkipBlanks(text);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || value > 0xFF) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return static_cast<std::uint8_t>(value);
}

std::optional<ButtonPress> ParseLine(std::string_view line) {
    const auto code = TakeByte(line);
    if (!code || line.empty() || !IsBlank(line.front())) {
        return std::nullopt;
    }
    const auto value = TakeByte(line);
    if (!value || !SkipBlanks(line).empty()) {
        return std::nullopt;
    }
    return ButtonPress{*code, *value};
}

}  // namespace

std::vector<ButtonPress> ParsePressRequests(std::string_view text) {
    std::vector<ButtonPress> presses;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (const auto press = ParseLine(text.substr(0, end))) {
            presses.push_back(*press);
        }
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return presses;
}

std::vector<ButtonPress> TakePressRequests(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return {};
    }
    std::filesystem::path taken = path;
    taken += ".taken";
    std::filesystem::rename(path, taken, error);
    if (error) {
        return {};  // still being written (locked on Windows); taken at a later poll
    }
    const auto bytes = ReadWholeFile(taken, kMaxRequestFileSize);
    std::filesystem::remove(taken, error);
    if (!bytes) {
        return {};
    }
    return ParsePressRequests(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace corvanti
