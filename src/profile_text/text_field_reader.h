#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "profile_text/profile_text_error.h"
#include "profile_text/toml_parser.h"

namespace corvanti {

// Reads the values of a parsed profile text and keeps the first problem met, with its place
// and the dotted name of its field. Every reader returns nothing (or false) once it has
// failed, so callers stop at the first problem.
class TextFieldReader {
  public:
    // What a field handler made of one key.
    enum class Outcome { Read, Failed, Unknown };
    using FieldHandler = std::function<Outcome(std::string_view key, const toml::node& node,
                                               const std::string& path)>;

    bool failed() const { return error_.has_value(); }
    const ProfileTextError& error() const { return *error_; }

    // Records the problem at `node` (the first one only) and returns false.
    bool Fail(const toml::node& node, const std::string& path, std::string message);
    bool Fail(const toml::source_region& where, const std::string& path, std::string message);

    // "path.key", or "key" at the top.
    static std::string Child(const std::string& path, std::string_view key);

    std::optional<std::int64_t> Integer(const toml::node& node, const std::string& path,
                                        std::int64_t lowest, std::int64_t highest);
    std::optional<bool> Boolean(const toml::node& node, const std::string& path);
    std::optional<std::string> Text(const toml::node& node, const std::string& path);
    const toml::table* Table(const toml::node& node, const std::string& path);
    const toml::array* Array(const toml::node& node, const std::string& path);

    // The position of the text among `names`, compared exactly. `what` names the kind of name
    // in the message ("a key name"); short lists are spelled out in it.
    std::optional<std::size_t> Name(const toml::node& node, const std::string& path,
                                    std::span<const std::string_view> names, std::string_view what);

    // The same readers, storing what they read into a byte of the record: a number, a flag as
    // 1 or 0, or a name as its position plus `first_code`.
    Outcome ByteInto(const toml::node& node, const std::string& path, std::int64_t lowest,
                     std::int64_t highest, std::uint8_t& target);
    Outcome FlagInto(const toml::node& node, const std::string& path, std::uint8_t& target);
    Outcome NameInto(const toml::node& node, const std::string& path,
                     std::span<const std::string_view> names, std::string_view what,
                     std::uint8_t& target, std::size_t first_code = 0);

    static Outcome OutcomeOf(bool read) { return read ? Outcome::Read : Outcome::Failed; }

    // Hands every key of `table` to `handle`; a key it does not know is an unknown field.
    bool EachField(const toml::table& table, const std::string& path, const FieldHandler& handle);

  private:
    std::optional<ProfileTextError> error_;
};

// Name lists as the reader takes them.
std::vector<std::string_view> NameViews(std::span<const std::string> names);

// The names of a table of rows with a `name` member.
template <typename Rows>
std::vector<std::string_view> RowNames(const Rows& rows) {
    std::vector<std::string_view> names;
    for (const auto& row : rows) {
        names.push_back(row.name);
    }
    return names;
}

}  // namespace corvanti
