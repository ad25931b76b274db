#include "profile_text/profile_document.h"

#include <cstddef>

#include "common/text_format.h"

namespace corvanti {

namespace {

constexpr char kArrayIndent[] = "    ";
constexpr std::uint8_t kFlagOff = 0;
constexpr std::uint8_t kFlagOn = 1;
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;

// A TOML basic string: quotes, backslashes and control characters escaped, everything else
// (UTF-8 included) as it is.
std::string QuotedString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < kFirstPrintable || byte == kDelete) {
            quoted += FormatText("\\u%04X", byte);
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string InlineTable(const std::vector<TextField>& fields) {
    if (fields.empty()) {
        return "{}";
    }
    std::string text = "{ ";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        text += (i == 0 ? "" : ", ") + fields[i].key + " = " + WriteTomlValue(fields[i].value);
    }
    return text + " }";
}

// Arrays are written one element a line, so a macro's events read as a list.
std::string MultiLineArray(const std::vector<TextValue>& items) {
    if (items.empty()) {
        return "[]";
    }
    std::string text = "[\n";
    for (const TextValue& item : items) {
        text += kArrayIndent + WriteTomlValue(item) + ",\n";
    }
    return text + "]";
}

std::string FieldLine(const TextField& field) {
    std::string line = field.key + " = ";
    line += field.value.kind == TextValue::Kind::Array ? MultiLineArray(field.value.items)
                                                       : WriteTomlValue(field.value);
    if (!field.comment.empty()) {
        line += "  # " + field.comment;
    }
    return line + "\n";
}

std::string CommentLine(const std::string& line) {
    return line.empty() ? "#\n" : "# " + line + "\n";
}

void Flatten(const std::string& path, const TextValue& value, FlatValues& values) {
    switch (value.kind) {
        case TextValue::Kind::Table:
            for (const TextField& field : value.fields) {
                Flatten(path + "." + field.key, field.value, values);
            }
            return;
        case TextValue::Kind::Array:
            for (std::size_t i = 0; i < value.items.size(); ++i) {
                Flatten(path + "[" + std::to_string(i + 1) + "]", value.items[i], values);
            }
            return;
        default:
            values.emplace_back(path, WriteTomlValue(value));
            return;
    }
}

}  // namespace

TextField MakeField(std::string_view key, TextValue value, std::string comment) {
    return {std::string(key), std::move(value), std::move(comment)};
}

TextField NameField(std::string_view key, std::string_view text) {
    return MakeField(key, TextValue::String(std::string(text)));
}

void AddNameIfAny(std::vector<TextField>& fields, std::string_view key, std::string_view text) {
    if (!text.empty()) {
        fields.push_back(NameField(key, text));
    }
}

void AddFlagIfAny(std::vector<TextField>& fields, std::string_view key, std::uint8_t byte) {
    if (byte == kFlagOn || byte == kFlagOff) {
        fields.push_back(MakeField(key, TextValue::Boolean(byte == kFlagOn)));
    }
}

TextValue TextValue::Integer(std::int64_t value) {
    TextValue v;
    v.kind = Kind::Integer;
    v.integer = value;
    return v;
}

TextValue TextValue::Boolean(bool value) {
    TextValue v;
    v.kind = Kind::Boolean;
    v.boolean = value;
    return v;
}

TextValue TextValue::String(std::string value) {
    TextValue v;
    v.kind = Kind::String;
    v.text = std::move(value);
    return v;
}

TextValue TextValue::Table(std::vector<TextField> fields) {
    TextValue v;
    v.kind = Kind::Table;
    v.fields = std::move(fields);
    return v;
}

TextValue TextValue::Array(std::vector<TextValue> items) {
    TextValue v;
    v.kind = Kind::Array;
    v.items = std::move(items);
    return v;
}

std::string WriteTomlValue(const TextValue& value) {
    switch (value.kind) {
        case TextValue::Kind::Integer:
            return std::to_string(value.integer);
        case TextValue::Kind::Boolean:
            return value.boolean ? "true" : "false";
        case TextValue::Kind::String:
            return QuotedString(value.text);
        case TextValue::Kind::Table:
            return InlineTable(value.fields);
        case TextValue::Kind::Array: {
            std::string text = "[";
            for (std::size_t i = 0; i < value.items.size(); ++i) {
                text += (i == 0 ? "" : ", ") + WriteTomlValue(value.items[i]);
            }
            return text + "]";
        }
    }
    return {};
}

std::string WriteToml(const ProfileDocument& document) {
    std::string text;
    for (const std::string& line : document.header) {
        text += CommentLine(line);
    }
    for (const TextSection& section : document.sections) {
        text += "\n";
        for (const std::string& line : section.comments) {
            text += CommentLine(line);
        }
        if (!section.name.empty()) {
            text += "[" + section.name + "]\n";
        }
        for (const TextField& field : section.fields) {
            text += FieldLine(field);
        }
    }
    return text;
}

FlatValues FlattenDocument(const ProfileDocument& document) {
    FlatValues values;
    for (const TextSection& section : document.sections) {
        const std::string prefix = section.name.empty() ? "" : section.name + ".";
        for (const TextField& field : section.fields) {
            Flatten(prefix + field.key, field.value, values);
        }
    }
    return values;
}

}  // namespace corvanti
