#include "profile_text/profile_text_diff.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>

#include "profile_text/profile_text_export.h"

namespace corvanti {

namespace {

constexpr std::string_view kNone = "(none)";

struct DiffLine {
    // Where the line stands: after value `anchor` of the first profile (-1 before all), then
    // by its place in the second.
    std::ptrdiff_t anchor;
    std::size_t order;
    std::string text;
};

std::string Line(const std::string& path, std::string_view before, std::string_view after) {
    return path + ": " + std::string(before) + " -> " + std::string(after);
}

}  // namespace

std::vector<std::string> DiffProfiles(const ProfileFileContent& first,
                                      const ProfileFileContent& second) {
    const FlatValues before = FlattenDocument(ProfileTextDocument(first, std::nullopt));
    const FlatValues after = FlattenDocument(ProfileTextDocument(second, std::nullopt));
    std::map<std::string, std::size_t> before_index;
    for (std::size_t i = 0; i < before.size(); ++i) {
        before_index.emplace(before[i].first, i);
    }
    std::map<std::string, std::string> after_by_path(after.begin(), after.end());

    std::vector<DiffLine> lines;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const auto& [path, value] = before[i];
        const auto found = after_by_path.find(path);
        const std::string_view now = found == after_by_path.end() ? kNone : found->second;
        if (now != value) {
            lines.push_back({static_cast<std::ptrdiff_t>(i), 0, Line(path, value, now)});
        }
    }
    // Values only the second has stand after the last value both have before them.
    std::ptrdiff_t anchor = -1;
    for (std::size_t j = 0; j < after.size(); ++j) {
        const auto& [path, value] = after[j];
        if (const auto found = before_index.find(path); found != before_index.end()) {
            anchor = static_cast<std::ptrdiff_t>(found->second);
            continue;
        }
        lines.push_back({anchor, j + 1, Line(path, kNone, value)});
    }
    std::ranges::stable_sort(
        lines, {}, [](const DiffLine& line) { return std::tuple(line.anchor, line.order); });
    std::vector<std::string> texts;
    for (DiffLine& line : lines) {
        texts.push_back(std::move(line.text));
    }
    return texts;
}

}  // namespace corvanti
