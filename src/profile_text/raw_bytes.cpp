#include "profile_text/raw_bytes.h"

#include <charconv>
#include <span>

#include "common/hex_text.h"
#include "common/text_format.h"
#include "profile_text/profile_text_names.h"

namespace corvanti {

namespace {

constexpr std::string_view kOffsetPrefix = "0x";
constexpr int kHexBase = 16;

}  // namespace

std::string RawKeyOfOffset(std::size_t offset) {
    return FormatText("0x%04zx", offset);
}

std::optional<std::size_t> RawOffsetOfKey(std::string_view key) {
    if (!key.starts_with(kOffsetPrefix) || key.size() == kOffsetPrefix.size()) {
        return std::nullopt;
    }
    const std::string_view digits = key.substr(kOffsetPrefix.size());
    std::size_t offset = 0;
    const char* const end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, offset, kHexBase);
    if (error != std::errc{} || stop != end || offset >= kProfileRecordSize) {
        return std::nullopt;
    }
    return offset;
}

std::optional<TextSection> RawSection(const ProfileRecord& from_names,
                                      const ProfileRecord& actual) {
    TextSection section{std::string(text_key::kRaw),
                        {"Bytes without a name, by their offset in the profile record."},
                        {}};
    const auto& want = actual.bytes();
    const auto& have = from_names.bytes();
    std::size_t at = 0;
    while (at < kProfileRecordSize) {
        if (want[at] == have[at]) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < kProfileRecordSize && want[at] != have[at] && at - start < kRawRunBytes) {
            ++at;
        }
        const std::span<const std::uint8_t> run(want.data() + start, at - start);
        section.fields.push_back({RawKeyOfOffset(start), TextValue::String(ToHex(run)), {}});
    }
    if (section.fields.empty()) {
        return std::nullopt;
    }
    return section;
}

}  // namespace corvanti
