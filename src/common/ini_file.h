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
    enum class LineKind : std::uint32_t { Other, Section, Entry };
    // One line as a slice of `text_`: its content, then its ending ("\r\n", "\n", "\r", or none
    // at the end). Eight bytes, because a hostile file may consist of nothing but line breaks.
    class Line {
      public:
        // The longest line kept whole; anything longer is cut (no file we accept comes near).
        static constexpr std::size_t kMaxContentSize = (std::size_t{1} << 28) - 1;

        Line() = default;
        Line(std::size_t begin, std::size_t content_size, std::size_t ending_size, LineKind kind);
        std::size_t begin() const { return begin_; }
        std::size_t content_size() const { return packed_ >> kSizeShift; }
        std::size_t ending_size() const { return (packed_ >> kEndingShift) & kTwoBits; }
        std::size_t size() const { return content_size() + ending_size(); }
        LineKind kind() const { return static_cast<LineKind>(packed_ & kTwoBits); }

      private:
        static constexpr std::uint32_t kTwoBits = 3;
        static constexpr unsigned kEndingShift = 2;
        static constexpr unsigned kSizeShift = 4;
        std::uint32_t begin_ = 0;
        std::uint32_t packed_ = 0;  // content size, ending size, kind
    };

    static LineKind KindOf(std::string_view content);
    std::string_view Content(const Line& line) const;
    std::string_view Ending(const Line& line) const;
    // The section name or key of a header or entry line, without blanks around it.
    std::string_view Name(const Line& line) const;
    // Appends the bytes of a new line to `text_` and returns it.
    Line AddLine(std::string_view content, std::string_view ending);
    // A line that is no longer referenced; its bytes are reclaimed once enough have piled up.
    void Discard(const Line& line);
    void CompactIfWasteful();

    std::size_t FindSection(std::string_view section) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::size_t FindKey(std::size_t header, std::string_view key) const;
    std::size_t EndOfSectionEntries(std::size_t header) const;
    void TerminateInnerLines();
    void AppendSection(std::string_view section, const KeyValues& keys);
    std::string NewLineEnding() const;

    std::string text_;  // the bytes of every line; edited lines are appended, old bytes dropped
    std::size_t discarded_ = 0;  // bytes of `text_` that no line refers to
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
