#include "profile_text/text_field_reader.h"

#include "common/text_format.h"

namespace corvanti {

namespace {

// Lists up to this long are spelled out in a message about a name that is not in them.
constexpr std::size_t kListedChoices = 16;

// Built by appending: "..." + std::string trips a false overlap warning of GCC 12 at -O3.
std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted.append(text).append("\"");
    return quoted;
}

std::string Choices(std::span<const std::string_view> names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += (i == 0 ? "" : ", ") + Quoted(names[i]);
    }
    return text;
}

}  // namespace

std::string ProfileTextError::Describe() const {
    std::string text = FormatText("line %zu, column %zu: ", line, column);
    if (!field.empty()) {
        text += field + ": ";
    }
    return text + message;
}

bool TextFieldReader::Fail(const toml::node& node, const std::string& path, std::string message) {
    return Fail(node.source(), path, std::move(message));
}

bool TextFieldReader::Fail(const toml::source_region& where, const std::string& path,
                           std::string message) {
    if (!error_) {
        error_ = ProfileTextError{where.begin.line, where.begin.column, path, std::move(message)};
    }
    return false;
}

std::string TextFieldReader::Child(const std::string& path, std::string_view key) {
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

std::optional<std::int64_t> TextFieldReader::Integer(const toml::node& node,
                                                     const std::string& path, std::int64_t lowest,
                                                     std::int64_t highest) {
    const auto value = node.value_exact<std::int64_t>();
    if (!value) {
        Fail(node, path,
             FormatText("must be a whole number from %lld to %lld", static_cast<long long>(lowest),
                        static_cast<long long>(highest)));
        return std::nullopt;
    }
    if (*value < lowest || *value > highest) {
        Fail(node, path,
             FormatText("%lld is outside %lld-%lld", static_cast<long long>(*value),
                        static_cast<long long>(lowest), static_cast<long long>(highest)));
        return std::nullopt;
    }
    return *value;
}

std::optional<bool> TextFieldReader::Boolean(const toml::node& node, const std::string& path) {
    const auto value = node.value_exact<bool>();
    if (!value) {
        Fail(node, path, "must be true or false");
    }
    return value;
}

std::optional<std::string> TextFieldReader::Text(const toml::node& node, const std::string& path) {
    const auto value = node.value_exact<std::string>();
    if (!value) {
        Fail(node, path, "must be text in quotes");
    }
    return value;
}

const toml::table* TextFieldReader::Table(const toml::node& node, const std::string& path) {
    const toml::table* table = node.as_table();
    if (!table) {
        Fail(node, path, "must be a table of fields");
    }
    return table;
}

const toml::array* TextFieldReader::Array(const toml::node& node, const std::string& path) {
    const toml::array* array = node.as_array();
    if (!array) {
        Fail(node, path, "must be a list in brackets");
    }
    return array;
}

std::optional<std::size_t> TextFieldReader::Name(const toml::node& node, const std::string& path,
                                                 std::span<const std::string_view> names,
                                                 std::string_view what) {
    const auto text = Text(node, path);
    if (!text) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == *text) {
            return i;
        }
    }
    std::string message = Quoted(*text) + " is not " + std::string(what);
    message += names.size() <= kListedChoices ? "; choose one of " + Choices(names)
                                              : " (names are exact, letter case too)";
    Fail(node, path, std::move(message));
    return std::nullopt;
}

TextFieldReader::Outcome TextFieldReader::ByteInto(const toml::node& node, const std::string& path,
                                                   std::int64_t lowest, std::int64_t highest,
                                                   std::uint8_t& target) {
    const auto value = Integer(node, path, lowest, highest);
    if (value) {
        target = static_cast<std::uint8_t>(*value);
    }
    return OutcomeOf(value.has_value());
}

TextFieldReader::Outcome TextFieldReader::FlagInto(const toml::node& node, const std::string& path,
                                                   std::uint8_t& target) {
    const auto on = Boolean(node, path);
    if (on) {
        target = *on ? 1 : 0;
    }
    return OutcomeOf(on.has_value());
}

TextFieldReader::Outcome TextFieldReader::NameInto(const toml::node& node, const std::string& path,
                                                   std::span<const std::string_view> names,
                                                   std::string_view what, std::uint8_t& target,
                                                   std::size_t first_code) {
    const auto position = Name(node, path, names, what);
    if (position) {
        target = static_cast<std::uint8_t>(*position + first_code);
    }
    return OutcomeOf(position.has_value());
}

bool TextFieldReader::EachField(const toml::table& table, const std::string& path,
                                const FieldHandler& handle) {
    for (const auto& [key, node] : table) {
        const std::string child = Child(path, key.str());
        switch (handle(key.str(), node, child)) {
            case Outcome::Read:
                continue;
            case Outcome::Failed:
                return false;
            case Outcome::Unknown:
                return Fail(key.source(), child, "unknown field");
        }
    }
    return !failed();
}

std::vector<std::string_view> NameViews(std::span<const std::string> names) {
    return {names.begin(), names.end()};
}

}  // namespace corvanti
