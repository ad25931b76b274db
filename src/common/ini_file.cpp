#include "common/ini_file.h"

#include <algorithm>
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

std::string_view IniFile::Line::content() const {
    return std::string_view(text).substr(0, text.size() - ending_size);
}

std::string_view IniFile::Line::name() const {
    return std::string_view(text).substr(name_begin, name_size);
}

IniFile::Line IniFile::MakeLine(std::string content, std::string_view ending) {
    Line line;
    line.text = std::move(content);
    const std::string_view view = line.text;
    auto set_name = [&line, view](std::size_t begin, std::size_t end, LineKind kind) {
        const std::string_view raw = view.substr(begin, end - begin);
        const std::string_view name = Trim(raw);
        line.name_begin = begin + static_cast<std::size_t>(name.data() - raw.data());
        line.name_size = name.size();
        line.kind = kind;
    };
    const std::string_view trimmed = Trim(view);
    const std::size_t close = trimmed.find(']');
    const std::size_t equals = view.find('=');
    if (!trimmed.empty() && trimmed.front() == '[' && close != std::string_view::npos) {
        const auto open = static_cast<std::size_t>(trimmed.data() - view.data());
        set_name(open + 1, open + close, LineKind::Section);
    } else if (equals != std::string_view::npos) {
        set_name(0, equals, LineKind::Entry);
    }
    line.text.append(ending);
    line.ending_size = ending.size();
    return line;
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
    const std::string_view text = decoded.text;
    file.lines_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t line_break = std::min(text.find_first_of("\r\n", start), text.size());
        const std::size_t ending_size = LineEndingSize(text, line_break);
        file.lines_.push_back(MakeLine(std::string(text.substr(start, line_break - start)),
                                       text.substr(line_break, ending_size)));
        start = line_break + ending_size;
    }
    return file;
}

std::size_t IniFile::FindSection(std::string_view section) const {
    const std::string_view wanted = Trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == LineKind::Section && SameName(lines_[i].name(), wanted)) {
            return i;
        }
    }
    return kNotFound;
}

std::size_t IniFile::SectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    while (end < lines_.size() && lines_[end].kind != LineKind::Section) {
        ++end;
    }
    return end;
}

std::size_t IniFile::FindKey(std::size_t header, std::string_view key) const {
    const std::string_view wanted = Trim(key);
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines_[i].kind == LineKind::Entry && SameName(lines_[i].name(), wanted)) {
            return i;
        }
    }
    return kNotFound;
}

// Where a new key of the section goes: after its last line that is not blank, so the blank
// lines that part it from the next section stay where they are.
std::size_t IniFile::EndOfSectionEntries(std::size_t header) const {
    std::size_t position = SectionEnd(header);
    while (position > header + 1 && Trim(lines_[position - 1].content()).empty()) {
        --position;
    }
    return position;
}

std::string IniFile::NewLineEnding() const {
    for (const Line& line : lines_) {
        if (line.ending_size != 0) {
            return std::string(line.text.substr(line.text.size() - line.ending_size));
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
        if (lines_[i].ending_size == 0) {
            lines_[i].text.append(ending);
            lines_[i].ending_size = ending.size();
        }
    }
}

void IniFile::AppendSection(std::string_view section, const KeyValues& keys) {
    const std::string ending = NewLineEnding();
    lines_.push_back(MakeLine(HeaderLine(section), ending));
    for (const auto& [key, value] : keys) {
        lines_.push_back(MakeLine(EntryLine(CleanName(key), value), ending));
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
    return ValueOfEntry(lines_[entry].content());
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::size_t header = FindSection(section);
    if (header == kNotFound) {
        AppendSection(section, {{std::string(key), std::string(value)}});
        return;
    }
    const std::string ending = NewLineEnding();
    const std::size_t entry = FindKey(header, key);
    if (entry != kNotFound) {
        // The key keeps the spelling the file gave it.
        Line& line = lines_[entry];
        const std::string_view old_ending =
            std::string_view(line.text).substr(line.text.size() - line.ending_size);
        line = MakeLine(EntryLine(line.name(), value), old_ending);
        return;
    }
    const auto position = static_cast<std::ptrdiff_t>(EndOfSectionEntries(header));
    lines_.insert(lines_.begin() + position, MakeLine(EntryLine(CleanName(key), value), ending));
    TerminateInnerLines();
}

void IniFile::DeleteSection(std::string_view section) {
    const std::string_view wanted = Trim(section);
    std::vector<Line> kept;
    kept.reserve(lines_.size());
    for (std::size_t i = 0; i < lines_.size();) {
        if (lines_[i].kind == LineKind::Section && SameName(lines_[i].name(), wanted)) {
            i = SectionEnd(i);
        } else {
            kept.push_back(std::move(lines_[i]));
            ++i;
        }
    }
    lines_ = std::move(kept);
}

void IniFile::ReplaceSection(std::string_view section, const KeyValues& keys) {
    const std::size_t header = FindSection(section);
    if (header == kNotFound) {
        AppendSection(section, keys);
        return;
    }
    const std::string ending = NewLineEnding();
    const std::size_t entries_end = EndOfSectionEntries(header);
    std::vector<Line> body;
    for (std::size_t i = header + 1; i < entries_end; ++i) {
        if (lines_[i].kind != LineKind::Entry && !Trim(lines_[i].content()).empty()) {
            body.push_back(std::move(lines_[i]));
        }
    }
    for (const auto& [key, value] : keys) {
        body.push_back(MakeLine(EntryLine(CleanName(key), value), ending));
    }
    const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(header + 1);
    const auto last = lines_.begin() + static_cast<std::ptrdiff_t>(entries_end);
    lines_.insert(lines_.erase(first, last), std::make_move_iterator(body.begin()),
                  std::make_move_iterator(body.end()));
    TerminateInnerLines();
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
        if (line.kind == LineKind::Entry && seen.insert(FoldedCopy(line.name())).second) {
            keys.emplace_back(std::string(line.name()), ValueOfEntry(line.content()));
        }
    }
    return keys;
}

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    for (const Line& line : lines_) {
        if (line.kind == LineKind::Section && seen.insert(FoldedCopy(line.name())).second) {
            names.emplace_back(line.name());
        }
    }
    return names;
}

std::string IniFile::Serialize() const {
    std::string text;
    for (const Line& line : lines_) {
        text.append(line.text);
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
