#include "common/ini_encoding.h"

#include <algorithm>
#include <cstdint>

#include "common/text_encoding.h"

namespace corvanti {

namespace {

constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Bytes that are not valid UTF-8 are held as U+DC80..U+DCFF (only bytes 0x80..0xFF can be
// invalid: every ASCII byte is a valid character).
constexpr char32_t kEscapedByteBase = 0xDC00;
constexpr char32_t kFirstEscapedByte = 0xDC80;
constexpr char32_t kLastEscapedByte = 0xDCFF;

constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kFirstLowSurrogate = 0xDC00;
constexpr char32_t kLastSurrogate = 0xDFFF;
constexpr char32_t kFirstSupplementary = 0x10000;

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

char16_t UnitAt(std::string_view bytes, std::size_t index, bool big_endian) {
    const auto first = static_cast<unsigned char>(bytes[index]);
    const auto second = static_cast<unsigned char>(bytes[index + 1]);
    return big_endian ? static_cast<char16_t>((first << 8) | second)
                      : static_cast<char16_t>((second << 8) | first);
}

void AppendUnit(std::string& out, char32_t unit, bool big_endian) {
    const auto high = static_cast<char>((unit >> 8) & 0xFF);
    const auto low = static_cast<char>(unit & 0xFF);
    out.push_back(big_endian ? high : low);
    out.push_back(big_endian ? low : high);
}

// UTF-16 to held text, unpaired surrogates kept in their three-byte form.
std::string DecodeUtf16(std::string_view bytes, bool big_endian) {
    std::string text;
    text.reserve(bytes.size());
    const std::size_t unit_count = bytes.size() / 2;
    for (std::size_t i = 0; i < unit_count; ++i) {
        const char32_t unit = UnitAt(bytes, 2 * i, big_endian);
        if (unit >= kFirstSurrogate && unit < kFirstLowSurrogate && i + 1 < unit_count) {
            const char32_t low = UnitAt(bytes, 2 * (i + 1), big_endian);
            if (low >= kFirstLowSurrogate && low <= kLastSurrogate) {
                AppendUtf8(text, kFirstSupplementary + ((unit - kFirstSurrogate) << 10) +
                                     (low - kFirstLowSurrogate));
                ++i;
                continue;
            }
        }
        AppendUtf8(text, unit);
    }
    return text;
}

std::string EncodeUtf16(std::string_view text, bool big_endian) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    while (!text.empty()) {
        const Utf8Step step = DecodeUtf8Step(text);
        char32_t code_point = step.code_point;
        if (step.kind == Utf8StepKind::InvalidByte) {
            code_point = kReplacementCharacter;
        }
        if (code_point >= kFirstSupplementary) {
            const char32_t offset = code_point - kFirstSupplementary;
            AppendUnit(bytes, kFirstSurrogate + (offset >> 10), big_endian);
            AppendUnit(bytes, kFirstLowSurrogate + (offset & 0x3FF), big_endian);
        } else {
            AppendUnit(bytes, code_point, big_endian);
        }
        text.remove_prefix(step.length);
    }
    return bytes;
}

std::string DecodeUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        // Plain ASCII, most of any INI file, is taken a run at a time.
        const auto ascii_end = std::find_if(bytes.begin(), bytes.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0x80u) != 0;
        });
        const auto ascii = static_cast<std::size_t>(ascii_end - bytes.begin());
        text.append(bytes.substr(0, ascii));
        bytes.remove_prefix(ascii);
        if (bytes.empty()) {
            break;
        }
        const Utf8Step step = DecodeUtf8Step(bytes);
        if (step.kind == Utf8StepKind::Scalar) {
            text.append(bytes.substr(0, step.length));
        } else {
            // Surrogate forms are not valid UTF-8 either: escape their bytes one by one.
            AppendUtf8(text, kEscapedByteBase + static_cast<unsigned char>(bytes[0]));
            bytes.remove_prefix(1);
            continue;
        }
        bytes.remove_prefix(step.length);
    }
    return text;
}

std::string EncodeUtf8(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    while (!text.empty()) {
        const Utf8Step step = DecodeUtf8Step(text);
        if (step.kind == Utf8StepKind::Surrogate && step.code_point >= kFirstEscapedByte &&
            step.code_point <= kLastEscapedByte) {
            bytes.push_back(static_cast<char>(step.code_point - kEscapedByteBase));
        } else {
            bytes.append(text.substr(0, step.length));
        }
        text.remove_prefix(step.length);
    }
    return bytes;
}

}  // namespace

DecodedIniText DecodeIniBytes(std::string_view bytes) {
    DecodedIniText decoded;
    if (bytes.empty()) {
        return decoded;
    }
    const bool little = StartsWith(bytes, kUtf16LeBom);
    if (little || StartsWith(bytes, kUtf16BeBom)) {
        decoded.encoding = little ? IniEncoding::Utf16LeWithBom : IniEncoding::Utf16BeWithBom;
        bytes.remove_prefix(kUtf16LeBom.size());
        decoded.text = DecodeUtf16(bytes, !little);
        if (bytes.size() % 2 != 0) {
            decoded.stray_tail.assign(1, bytes.back());
        }
        return decoded;
    }
    if (StartsWith(bytes, kUtf8Bom)) {
        decoded.encoding = IniEncoding::Utf8WithBom;
        bytes.remove_prefix(kUtf8Bom.size());
    } else {
        decoded.encoding = IniEncoding::Utf8OrLegacy;
    }
    decoded.text = DecodeUtf8(bytes);
    return decoded;
}

std::string EncodeIniText(IniEncoding encoding, std::string_view text,
                          std::string_view stray_tail) {
    std::string bytes;
    switch (encoding) {
        case IniEncoding::Utf16LeWithBom:
            bytes = std::string(kUtf16LeBom) + EncodeUtf16(text, false);
            break;
        case IniEncoding::Utf16BeWithBom:
            bytes = std::string(kUtf16BeBom) + EncodeUtf16(text, true);
            break;
        case IniEncoding::Utf8WithBom:
            bytes = std::string(kUtf8Bom) + EncodeUtf8(text);
            break;
        case IniEncoding::Utf8OrLegacy:
            bytes = EncodeUtf8(text);
            break;
    }
    bytes.append(stray_tail);
    return bytes;
}

}  // namespace corvanti
