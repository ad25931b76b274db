#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace corvanti {

// A private-profile (INI) file with the behaviour the Windows private-profile functions give:
// section and key names compare without regard to case, the file's order is kept, a key
// written into a missing section appends that section at the end, the first of duplicate
// sections wins, and a value read is cut to 1023 characters. Text is UTF-8 in memory; the
// file's own encoding (UTF-16LE with BOM, UTF-8 with or without BOM, or bytes of any other
// kind, which are kept as they are) is preserved when it is written back, and new files are
// created as UTF-16LE with BOM.
class IniFile {
public:
    using KeyValues = std::vector<std::pair<std::string, std::string>>;

    // A missing or unreadable file gives an empty document.
    static IniFile Load(const std::filesystem::path& path);
    static IniFile Parse(std::string_view file_bytes);

    // Empty when the section or key is missing.
    std::string Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    void DeleteSection(std::string_view section);
    // Replaces the section's keys in place (or appends the section when it is missing).
    void ReplaceSection(std::string_view section, const KeyValues& keys);
    KeyValues SectionKeys(std::string_view section) const;
    std::vector<std::string> SectionNames() const;

    // The whole document in its file encoding.
    std::string Serialize() const;
    // Writes atomically: a crash mid-write leaves the old file intact.
    std::error_code Save(const std::filesystem::path& path) const;

private:
    struct Line;  // defined in the implementation
    // Implementation detail left to ini_file.cpp.
};

// One-call access like GetPrivateProfileStringW / WritePrivateProfileStringW: each call reads
// the file, and a write saves it at once, keeping every other section and key.
std::string ReadIniString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key);
std::error_code WriteIniString(const std::filesystem::path& path, std::string_view section,
                               std::string_view key, std::string_view value);

}  // namespace corvanti
