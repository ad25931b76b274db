#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvanti {

// A request file written by another process for the simulated mouse to pick up: taken away
// first (renamed, so each request is seen once and a writer that replaces it meanwhile loses
// nothing), then read and deleted. Empty when there is no file, when it is still being
// written (locked), or when it is larger than any request.
std::optional<std::string> TakeRequestFile(const std::filesystem::path& path);

// The lines of a request file's text, each without its line end (a last line may lack one).
std::vector<std::string_view> RequestLines(std::string_view text);

}  // namespace corvanti
