#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "common/ini_encoding.h"

namespace corvanti {

// A private-profile (INI) file with the behaviour the Windows private-profile functions give:
// section and key names compare without regard to blanks around them and to the case of
// ASCII letters (as the system does; "Été" and "ÉTÉ" are two names), the file's order is kept, a
// key written into a missing section appends that section at the end, the first of duplicate
// sections or keys wins, and a value read loses the blanks around it and one pair of matching
// quotes around it, and is cut to 1023 characters. Lines end in CR LF, LF or a lone CR. Lines that
// are neither a section header nor a key=value entry are kept untouched. Text is UTF-8 in memory;
// the file's own encoding (UTF-16 with BOM, UTF-8 with or without BOM, or bytes of any other kind,
// which are kept as they are, see ini_encoding.h) is preserved when it is written back, and new
// files are created as UTF-16LE with BOM.
class IniFile {
  public:
    using KeyValues = std::vector<std::pair<std::string, std::string>>;

    // Larger files are refused rather than read: a hostile or wrong file must not make the
    // program allocate without limit.
    // Our own files stay far below this: twelve full macros take some 30 KiB.
    static constexpr std::uintmax_t kMaxFileSize = 1024 * 1024;
    // What a value read can hold at most, in UTF-16 code units (the private-profile buffer of
    // 1024 characters less its terminator).
    static constexpr std::size_t kMaxValueLength = 1023;

    // A missing, unreadable or too large file gives an empty document.
    static IniFile Load(const std::filesystem::path& path);
    // The same, but tells an existing file that could not be read (too large, no access) from
    // a missing one, which is no error: writing over such a file would destroy it.
    static IniFile Load(const std::filesystem::path& path, std::error_code& error);
    static IniFile Parse(std::string_view file_bytes);

    // Empty when the section or key is missing.
    std::string Get(std::string_view section, std::string_view key) const;
    // Line breaks and NULs in names and value become blanks, so a value can never add keys.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Deletes every section of that name, with its keys.
    void DeleteSection(std::string_view section);
    // Replaces the section's keys in place (or appends the section when it is missing); lines
    // of the section that are not entries stay.
    void ReplaceSection(std::string_view section, const KeyValues& keys);
    // The section's keys in file order, each once, with their values as Get reads them.
    KeyValues SectionKeys(std::string_view section) const;
    // Section names in file order, each name once.
    std::vector<std::string> SectionNames() const;

    // The whole document in its file encoding.
    std::string Serialize() const;
    // Writes atomically: a crash mid-write leaves the old file intact.
    std::error_code Save(const std::filesystem::path& path) const;

  private:
    enum class LineKind { Other, Section, Entry };
    // Kept small: a hostile file may consist of nothing but line breaks.
    struct Line {
        std::string text;  // with its line ending ("\r\n", "\n", "\r", or none at the end)
        std::size_t ending_size = 0;
        std::size_t name_begin = 0;  // the section name or key inside `text`, without blanks
        std::size_t name_size = 0;
        LineKind kind = LineKind::Other;

        std::string_view content() const;
        std::string_view name() const;
    };

    static Line MakeLine(std::string content, std::string_view ending);
    std::size_t FindSection(std::string_view section) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::size_t FindKey(std::size_t header, std::string_view key) const;
    std::size_t EndOfSectionEntries(std::size_t header) const;
    void TerminateInnerLines();
    void AppendSection(std::string_view section, const KeyValues& keys);
    std::string NewLineEnding() const;

    std::vector<Line> lines_;
    IniEncoding encoding_ = IniEncoding::Utf16LeWithBom;
    std::string stray_tail_;
};

// One-call access like GetPrivateProfileStringW / WritePrivateProfileStringW: each call reads
// the file, and a write saves it at once, keeping every other section and key. A write leaves
// an existing file that cannot be read untouched and reports the error.
std::string ReadIniString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key);
std::error_code WriteIniString(const std::filesystem::path& path, std::string_view section,
                               std::string_view key, std::string_view value);
// Like WritePrivateProfileStringW with no key: removes the whole section.
std::error_code DeleteIniSection(const std::filesystem::path& path, std::string_view section);

}  // namespace corvanti
