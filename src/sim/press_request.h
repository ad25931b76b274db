#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace corvanti {

// One press of a button on the mouse itself, as the event report it sends: the event code
// (5 report rate, 7 DPI stage, 8 key matrix, 9 macro) and its value.
struct ButtonPress {
    std::uint8_t code = 0;
    std::uint8_t value = 0;
    bool operator==(const ButtonPress&) const = default;
};

// Press requests from outside the process: one press a line, two decimal numbers 0-255
// separated by blanks ("7 2"). Lines that are not of that form are skipped, so a half-written
// or hostile file yields only its well-formed presses.
std::vector<ButtonPress> ParsePressRequests(std::string_view text);

// Takes the request file away (so each request is seen once) and returns its presses; empty
// when there is no file. The file is renamed before it is read, so a writer that replaces it
// at the same moment loses nothing: its new file is taken at the next call. Writers should
// write the file under another name and rename it into place, so it is never seen half
// written.
std::vector<ButtonPress> TakePressRequests(const std::filesystem::path& path);

}  // namespace corvanti
