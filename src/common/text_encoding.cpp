#include "common/text_encoding.h"

#include <cstdint>

namespace corvanti {

namespace {

constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kFirstLowSurrogate = 0xDC00;
constexpr char32_t kLastSurrogate = 0xDFFF;
constexpr char32_t kFirstSupplementary = 0x10000;
constexpr char32_t kLastCodePoint = 0x10FFFF;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= kFirstSurrogate && unit < kFirstLowSurrogate;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= kFirstLowSurrogate && unit <= kLastSurrogate;
}

// The range the second byte of a sequence may take, which rules out over-long forms and
// code points past U+10FFFF. Surrogates are let through here and told apart by the caller.
struct LeadRule {
    std::size_t length;
    unsigned char second_min;
    unsigned char second_max;
    char32_t payload_mask;
};

LeadRule RuleForLead(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {2, 0x80, 0xBF, 0x1F};
    }
    if (lead == 0xE0) {
        return {3, 0xA0, 0xBF, 0x0F};
    }
    if (lead >= 0xE1 && lead <= 0xEF) {
        return {3, 0x80, 0xBF, 0x0F};
    }
    if (lead == 0xF0) {
        return {4, 0x90, 0xBF, 0x07};
    }
    if (lead >= 0xF1 && lead <= 0xF3) {
        return {4, 0x80, 0xBF, 0x07};
    }
    if (lead == 0xF4) {
        return {4, 0x80, 0x8F, 0x07};
    }
    return {0, 0, 0, 0};
}

void AppendUtf16(std::u16string& out, char32_t code_point) {
    if (code_point >= kFirstSupplementary) {
        const char32_t offset = code_point - kFirstSupplementary;
        out.push_back(static_cast<char16_t>(kFirstSurrogate + (offset >> 10)));
        out.push_back(static_cast<char16_t>(kFirstLowSurrogate + (offset & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(code_point));
    }
}

// Calls `emit` with each character of `utf8`, bad input replaced.
template <typename Emit>
void ForEachScalar(std::string_view utf8, Emit emit) {
    while (!utf8.empty()) {
        const Utf8Step step = DecodeUtf8Step(utf8);
        emit(step.kind == Utf8StepKind::Scalar ? step.code_point : kReplacementCharacter);
        utf8.remove_prefix(step.length);
    }
}

template <typename Unit>
void AppendUtf16AsUtf8(std::string& out, const Unit* units, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const auto unit = static_cast<char32_t>(units[i]);
        if (IsHighSurrogate(unit) && i + 1 < count &&
            IsLowSurrogate(static_cast<char32_t>(units[i + 1]))) {
            const auto low = static_cast<char32_t>(units[i + 1]);
            AppendUtf8(out, kFirstSupplementary + ((unit - kFirstSurrogate) << 10) +
                                (low - kFirstLowSurrogate));
            ++i;
        } else if (unit >= kFirstSurrogate && unit <= kLastSurrogate) {
            AppendUtf8(out, kReplacementCharacter);
        } else {
            AppendUtf8(out, unit);
        }
    }
}

}  // namespace

Utf8Step DecodeUtf8Step(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) {
        return {lead, 1, Utf8StepKind::Scalar};
    }
    const Utf8Step invalid{lead, 1, Utf8StepKind::InvalidByte};
    const LeadRule rule = RuleForLead(lead);
    if (rule.length == 0 || text.size() < rule.length) {
        return invalid;
    }
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < rule.second_min || second > rule.second_max) {
        return invalid;
    }
    char32_t code_point = lead & rule.payload_mask;
    for (std::size_t i = 1; i < rule.length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!IsContinuation(byte)) {
            return invalid;
        }
        code_point = (code_point << 6) | (byte & 0x3Fu);
    }
    const bool surrogate = code_point >= kFirstSurrogate && code_point <= kLastSurrogate;
    return {code_point, rule.length, surrogate ? Utf8StepKind::Surrogate : Utf8StepKind::Scalar};
}

void AppendUtf8(std::string& out, char32_t code_point) {
    if (code_point > kLastCodePoint) {
        code_point = kReplacementCharacter;
    }
    if (code_point < 0x80) {
        out.push_back(static_cast<char>(code_point));
    } else if (code_point < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code_point >> 6)));
        out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
    } else if (code_point < kFirstSupplementary) {
        out.push_back(static_cast<char>(0xE0 | (code_point >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code_point >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code_point >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
    }
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    ForEachScalar(utf8, [&out](char32_t code_point) { AppendUtf16(out, code_point); });
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    AppendUtf16AsUtf8(out, utf16.data(), utf16.size());
    return out;
}

std::wstring Utf8ToWide(std::string_view utf8) {
    std::wstring out;
    if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
        const std::u16string utf16 = Utf8ToUtf16(utf8);
        out.assign(utf16.begin(), utf16.end());
    } else {
        ForEachScalar(
            utf8, [&out](char32_t code_point) { out.push_back(static_cast<wchar_t>(code_point)); });
    }
    return out;
}

std::string WideToUtf8(std::wstring_view wide) {
    std::string out;
    if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
        AppendUtf16AsUtf8(out, wide.data(), wide.size());
    } else {
        for (const wchar_t unit : wide) {
            const auto code_point = static_cast<char32_t>(unit);
            const bool surrogate = code_point >= kFirstSurrogate && code_point <= kLastSurrogate;
            AppendUtf8(out, surrogate ? kReplacementCharacter : code_point);
        }
    }
    return out;
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace corvanti
