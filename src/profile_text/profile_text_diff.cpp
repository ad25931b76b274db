#include "profile_text/profile_text_diff.h"

#include <map>
#include <optional>
#include <string_view>

#include "profile_text/profile_text_export.h"

namespace corvanti {

namespace {

constexpr std::string_view kNone = "(none)";

std::string Line(const std::string& path, std::string_view before, std::string_view after) {
    return path + ": " + std::string(before) + " -> " + std::string(after);
}

}  // namespace

std::vector<std::string> DiffProfiles(const ProfileFileContent& first,
                                      const ProfileFileContent& second) {
    const FlatValues before = FlattenDocument(ProfileTextDocument(first, std::nullopt));
    const FlatValues after = FlattenDocument(ProfileTextDocument(second, std::nullopt));
    std::map<std::string, std::string> after_by_path(after.begin(), after.end());
    std::vector<std::string> lines;
    for (const auto& [path, value] : before) {
        const auto found = after_by_path.find(path);
        if (found == after_by_path.end()) {
            lines.push_back(Line(path, value, kNone));
            continue;
        }
        if (found->second != value) {
            lines.push_back(Line(path, value, found->second));
        }
        after_by_path.erase(found);
    }
    for (const auto& [path, value] : after) {
        if (after_by_path.contains(path)) {
            lines.push_back(Line(path, kNone, value));
        }
    }
    return lines;
}

}  // namespace corvanti
