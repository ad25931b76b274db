#include "common/ini_file.h"

#include <algorithm>
#include <optional>
#include <span>
#include <unordered_set>

#include "common/atomic_file.h"
#include "common/text_encoding.h"

namespace corvanti {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);
constexpr std::string_view kDefaultLineEnding = "\r\n";

// The characters the private-profile functions strip around names and values (0x1A is the
// old end-of-file mark).
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string FoldedCopy(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldCase);
    return folded;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldCase(x) == FoldCase(y);
           });
}

// One pair of matching quotes around a value is not part of it.
std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Cuts to at most `max_units` UTF-16 code units, never inside a character.
std::string_view CutToUtf16Length(std::string_view text, std::size_t max_units) {
    std::size_t units = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        const Utf8Step step = DecodeUtf8Step(text.substr(position));
        const bool pair = step.kind == Utf8StepKind::Scalar && step.code_point >= 0x10000;
        units += pair ? 2 : 1;
        if (units > max_units) {
            break;
        }
        position += step.length;
    }
    return text.substr(0, position);
}

// What a caller writes can never break the file into extra lines or keys.
std::string OnOneLine(std::string_view text) {
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return line;
}

std::string CleanName(std::string_view name) {
    return std::string(Trim(OnOneLine(name)));
}

// Built by appending (GCC 12 warns wrongly about `"[" + std::string` under -O3).
std::string HeaderLine(std::string_view section) {
    std::string line = "[";
    line.append(CleanName(section));
    line.push_back(']');
    return line;
}

std::string EntryLine(std::string_view key, std::string_view value) {
    std::string line(key);
    line.push_back('=');
    line.append(OnOneLine(value));
    return line;
}

// The value of a key=value line as the private-profile functions read it.
std::string ValueOfEntry(std::string_view content) {
    const std::string_view value = Unquote(Trim(content.substr(content.find('=') + 1)));
    return std::string(CutToUtf16Length(value, IniFile::kMaxValueLength));
}

std::size_t LineEndingSize(std::string_view text, std::size_t break_position) {
    if (break_position >= text.size()) {
        return 0;
    }
    const bool crlf = text[break_position] == '\r' && break_position + 1 < text.size() &&
                      text[break_position + 1] == '\n';
    return crlf ? 2 : 1;
}

}  // namespace

IniFile::Line::Line(std::size_t begin, std::size_t content_size, std::size_t ending_size,
                    LineKind kind)
    : begin_(static_cast<std::uint32_t>(begin)),
      packed_(static_cast<std::uint32_t>(content_size << kSizeShift | ending_size << kEndingShift |
                                         static_cast<std::size_t>(kind))) {}

namespace {

// A header is "[name]" after blanks (anything after the first ']' is ignored); the name loses
// the blanks around it. Empty when the line is no header.
std::optional<std::string_view> SectionNameOf(std::string_view content) {
    const std::string_view trimmed = Trim(content);
    const std::size_t close = trimmed.find(']');
    if (trimmed.empty() || trimmed.front() != '[' || close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(trimmed.substr(1, close - 1));
}

// The key of a line that is no header: what comes before its first '='.
std::optional<std::string_view> KeyNameOf(std::string_view content) {
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(content.substr(0, equals));
}

// Where the line that starts at `start` ends: its first CR or LF, or the end of the text.
std::size_t LineBreakFrom(std::string_view text, std::size_t start) {
    const auto is_break = [](char c) { return c == '\r' || c == '\n'; };
    return static_cast<std::size_t>(
        std::find_if(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), is_break) -
        text.begin());
}

std::size_t CountLines(std::string_view text) {
    std::size_t lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if ((text[i] == '\n' || text[i] == '\r') && !crlf) {
            ++lines;
        }
    }
    return lines;
}

// Room for the few lines an edit adds, so the first edit of a huge file does not double the
// line table.
constexpr std::size_t kSpareLines = 16;
// Dropped bytes are reclaimed only past this much, and only when they outweigh the live ones.
constexpr std::size_t kCompactionThreshold = 64 * 1024;

}  // namespace

IniFile::LineKind IniFile::KindOf(std::string_view content) {
    if (SectionNameOf(content)) {
        return LineKind::Section;
    }
    return KeyNameOf(content) ? LineKind::Entry : LineKind::Other;
}

std::string_view IniFile::Content(const Line& line) const {
    return std::string_view(text_).substr(line.begin(), line.content_size());
}

std::string_view IniFile::Ending(const Line& line) const {
    return std::string_view(text_).substr(line.begin() + line.content_size(), line.ending_size());
}

std::string_view IniFile::Name(const Line& line) const {
    switch (line.kind()) {
        case LineKind::Section:
            return SectionNameOf(Content(line)).value_or(std::string_view{});
        case LineKind::Entry:
            return KeyNameOf(Content(line)).value_or(std::string_view{});
        case LineKind::Other:
            break;
    }
    return {};
}

IniFile::Line IniFile::AddLine(std::string_view content, std::string_view ending) {
    // Copied first: either view may point into `text_`, which the append may move.
    std::string bytes(content.substr(0, Line::kMaxContentSize));
    const std::size_t content_size = bytes.size();
    bytes.append(ending);
    const std::size_t begin = text_.size();
    text_.append(bytes);
    return Line(begin, content_size, ending.size(),
                KindOf(std::string_view(bytes).substr(0, content_size)));
}

void IniFile::Discard(const Line& line) {
    discarded_ += line.size();
}

void IniFile::CompactIfWasteful() {
    if (discarded_ < kCompactionThreshold || discarded_ * 2 < text_.size()) {
        return;
    }
    std::string compact;
    compact.reserve(text_.size() - discarded_);
    for (Line& line : lines_) {
        const std::size_t begin = compact.size();
        compact.append(std::string_view(text_).substr(line.begin(), line.size()));
        line = Line(begin, line.content_size(), line.ending_size(), line.kind());
    }
    text_ = std::move(compact);
    discarded_ = 0;
}

IniFile IniFile::Load(const fs::path& path) {
    std::error_code ignored;
    return Load(path, ignored);
}

IniFile IniFile::Load(const fs::path& path, std::error_code& error) {
    error.clear();
    if (!fs::exists(path, error)) {
        return IniFile{};
    }
    const auto bytes = ReadWholeFile(path, kMaxFileSize);
    if (!bytes) {
        std::error_code size_error;
        const bool too_large = fs::file_size(path, size_error) > kMaxFileSize && !size_error;
        error = std::make_error_code(too_large ? std::errc::file_too_large : std::errc::io_error);
        return IniFile{};
    }
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

IniFile IniFile::Parse(std::string_view file_bytes) {
    DecodedIniText decoded = DecodeIniBytes(file_bytes);
    IniFile file;
    file.encoding_ = decoded.encoding;
    file.stray_tail_ = std::move(decoded.stray_tail);
    file.text_ = std::move(decoded.text);
    const std::string_view text = file.text_;
    file.lines_.reserve(CountLines(text) + kSpareLines);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t line_break = LineBreakFrom(text, start);
        const std::size_t ending_size = LineEndingSize(text, line_break);
        file.lines_.emplace_back(start, line_break - start, ending_size,
                                 KindOf(text.substr(start, line_break - start)));
        start = line_break + ending_size;
    }
    return file;
}

std::size_t IniFile::FindSection(std::string_view section) const {
    const std::string_view wanted = Trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind() == LineKind::Section && SameName(Name(lines_[i]), wanted)) {
            return i;
        }
    }
    return kNotFound;
}

std::size_t IniFile::SectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    while (end < lines_.size() && lines_[end].kind() != LineKind::Section) {
        ++end;
    }
    return end;
}

std::size_t IniFile::FindKey(std::size_t header, std::string_view key) const {
    const std::string_view wanted = Trim(key);
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines_[i].kind() == LineKind::Entry && SameName(Name(lines_[i]), wanted)) {
            return i;
        }
    }
    return kNotFound;
}

// Where a new key of the section goes: after its last line that is not blank, so the blank
// lines that part it from the next section stay where they are.
std::size_t IniFile::EndOfSectionEntries(std::size_t header) const {
    std::size_t position = SectionEnd(header);
    while (position > header + 1 && Trim(Content(lines_[position - 1])).empty()) {
        --position;
    }
    return position;
}

std::string IniFile::NewLineEnding() const {
    for (const Line& line : lines_) {
        if (line.ending_size() != 0) {
            return std::string(Ending(line));
        }
    }
    return std::string(kDefaultLineEnding);
}

// A line that lost its place at the end of the file needs an ending, or it would run into
// the next one.
void IniFile::TerminateInnerLines() {
    if (lines_.size() < 2) {
        return;
    }
    const std::string ending = NewLineEnding();
    for (std::size_t i = 0; i + 1 < lines_.size(); ++i) {
        if (lines_[i].ending_size() == 0) {
            Discard(lines_[i]);
            lines_[i] = AddLine(Content(lines_[i]), ending);
        }
    }
}

void IniFile::AppendSection(std::string_view section, const KeyValues& keys) {
    const std::string ending = NewLineEnding();
    lines_.push_back(AddLine(HeaderLine(section), ending));
    for (const auto& [key, value] : keys) {
        lines_.push_back(AddLine(EntryLine(CleanName(key), value), ending));
    }
    TerminateInnerLines();
}

std::string IniFile::Get(std::string_view section, std::string_view key) const {
    const std::size_t header = FindSection(section);
    if (header == kNotFound) {
        return {};
    }
    const std::size_t entry = FindKey(header, key);
    if (entry == kNotFound) {
        return {};
    }
    return ValueOfEntry(Content(lines_[entry]));
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::size_t header = FindSection(section);
    if (header == kNotFound) {
        AppendSection(section, {{std::string(key), std::string(value)}});
        CompactIfWasteful();
        return;
    }
    const std::size_t entry = FindKey(header, key);
    if (entry != kNotFound) {
        // The key keeps the spelling the file gave it.
        const Line old = lines_[entry];
        lines_[entry] = AddLine(EntryLine(Name(old), value), Ending(old));
        Discard(old);
    } else {
        const auto position = static_cast<std::ptrdiff_t>(EndOfSectionEntries(header));
        lines_.insert(lines_.begin() + position,
                      AddLine(EntryLine(CleanName(key), value), NewLineEnding()));
        TerminateInnerLines();
    }
    CompactIfWasteful();
}

void IniFile::DeleteSection(std::string_view section) {
    const std::string_view wanted = Trim(section);
    std::vector<Line> kept;
    kept.reserve(lines_.size());
    for (std::size_t i = 0; i < lines_.size();) {
        if (lines_[i].kind() == LineKind::Section && SameName(Name(lines_[i]), wanted)) {
            const std::size_t end = SectionEnd(i);
            for (; i < end; ++i) {
                Discard(lines_[i]);
            }
        } else {
            kept.push_back(lines_[i]);
            ++i;
        }
    }
    lines_ = std::move(kept);
    CompactIfWasteful();
}

void IniFile::ReplaceSection(std::string_view section, const KeyValues& keys) {
    const std::size_t header = FindSection(section);
    if (header == kNotFound) {
        AppendSection(section, keys);
        CompactIfWasteful();
        return;
    }
    const std::string ending = NewLineEnding();
    const std::size_t entries_end = EndOfSectionEntries(header);
    std::vector<Line> body;
    for (std::size_t i = header + 1; i < entries_end; ++i) {
        if (lines_[i].kind() != LineKind::Entry && !Trim(Content(lines_[i])).empty()) {
            body.push_back(lines_[i]);
        } else {
            Discard(lines_[i]);
        }
    }
    for (const auto& [key, value] : keys) {
        body.push_back(AddLine(EntryLine(CleanName(key), value), ending));
    }
    const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(header + 1);
    const auto last = lines_.begin() + static_cast<std::ptrdiff_t>(entries_end);
    lines_.insert(lines_.erase(first, last), body.begin(), body.end());
    TerminateInnerLines();
    CompactIfWasteful();
}

IniFile::KeyValues IniFile::SectionKeys(std::string_view section) const {
    KeyValues keys;
    const std::size_t header = FindSection(section);
    if (header == kNotFound) {
        return keys;
    }
    std::unordered_set<std::string> seen;
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const Line& line = lines_[i];
        if (line.kind() == LineKind::Entry && seen.insert(FoldedCopy(Name(line))).second) {
            keys.emplace_back(std::string(Name(line)), ValueOfEntry(Content(line)));
        }
    }
    return keys;
}

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    for (const Line& line : lines_) {
        if (line.kind() == LineKind::Section && seen.insert(FoldedCopy(Name(line))).second) {
            names.emplace_back(Name(line));
        }
    }
    return names;
}

std::string IniFile::Serialize() const {
    std::string text;
    text.reserve(text_.size() - discarded_);
    for (const Line& line : lines_) {
        text.append(std::string_view(text_).substr(line.begin(), line.size()));
    }
    return EncodeIniText(encoding_, text, stray_tail_);
}

std::error_code IniFile::Save(const fs::path& path) const {
    const std::string bytes = Serialize();
    return WriteFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

std::string ReadIniString(const fs::path& path, std::string_view section, std::string_view key) {
    return IniFile::Load(path).Get(section, key);
}

namespace {

template <typename Change>
std::error_code ChangeIniFile(const fs::path& path, Change change) {
    std::error_code error;
    IniFile file = IniFile::Load(path, error);
    if (error) {
        return error;
    }
    change(file);
    return file.Save(path);
}

}  // namespace

std::error_code WriteIniString(const fs::path& path, std::string_view section, std::string_view key,
                               std::string_view value) {
    return ChangeIniFile(path, [&](IniFile& file) { file.Set(section, key, value); });
}

std::error_code DeleteIniSection(const fs::path& path, std::string_view section) {
    std::error_code error;
    if (!fs::exists(path, error)) {
        return error;  // nothing to delete, and no empty file to create
    }
    return ChangeIniFile(path, [&](IniFile& file) { file.DeleteSection(section); });
}

}  // namespace corvanti
