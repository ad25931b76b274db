#include "sim/press_request.h"

#include <charconv>
#include <optional>
#include <string>

#include "sim/request_file.h"

namespace corvanti {

namespace {

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
    for (std::string_view line : RequestLines(text)) {
        if (const auto press = ParseLine(line)) {
            presses.push_back(*press);
        }
    }
    return presses;
}

std::vector<ButtonPress> TakePressRequests(const std::filesystem::path& path) {
    const std::optional<std::string> text = TakeRequestFile(path);
    return text ? ParsePressRequests(*text) : std::vector<ButtonPress>{};
}

}  // namespace corvanti
