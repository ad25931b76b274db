#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvanti {

// A profile in its text form before it is written out: sections of keyed values in the order a
// reader meets them, with the comments that explain them. Export builds it, the writer turns it
// into TOML and diff compares two of them value by value.

struct TextField;

struct TextValue {
    enum class Kind { Integer, Boolean, String, Table, Array };

    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    bool boolean = false;
    std::string text;
    std::vector<TextField> fields;  // an inline table's keys, in order
    std::vector<TextValue> items;   // an array's values, one a line when written

    static TextValue Integer(std::int64_t value);
    static TextValue Boolean(bool value);
    static TextValue String(std::string value);
    static TextValue Table(std::vector<TextField> fields);
    static TextValue Array(std::vector<TextValue> items);
};

struct TextField {
    std::string key;
    TextValue value;
    std::string comment;  // written after the value on the same line; empty for none
};

// Helpers of the export: a field; a field holding a name; a name added only when there is one;
// a byte that is 1 or 0 added as true or false (any other value has no name and is left out).
TextField MakeField(std::string_view key, TextValue value, std::string comment = {});
TextField NameField(std::string_view key, std::string_view text);
void AddNameIfAny(std::vector<TextField>& fields, std::string_view key, std::string_view text);
void AddFlagIfAny(std::vector<TextField>& fields, std::string_view key, std::uint8_t byte);

struct TextSection {
    std::string name;                   // the table header; empty for the keys before the first
    std::vector<std::string> comments;  // lines written above the header
    std::vector<TextField> fields;
};

struct ProfileDocument {
    std::vector<std::string> header;  // comment lines at the top of the file
    std::vector<TextSection> sections;
};

// The document as TOML: the header comments, then each section under its table header.
std::string WriteToml(const ProfileDocument& document);

// One value in the form the TOML text shows it ("Esc" with its quotes, 50, true, an inline
// table or an array on one line).
std::string WriteTomlValue(const TextValue& value);

// Every single value of the document under its dotted path ("mode_a.button3.function"; array
// elements by 1-based position, "macro1.events[2].press"), in document order. Diff compares
// these.
using FlatValues = std::vector<std::pair<std::string, std::string>>;
FlatValues FlattenDocument(const ProfileDocument& document);

}  // namespace corvanti
