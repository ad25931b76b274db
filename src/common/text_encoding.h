#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace corvanti {

// The core holds text as UTF-8; Windows wants UTF-16. These conversions never fail: a byte
// or code unit that does not form a valid character becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
// wchar_t is UTF-16 on Windows and UTF-32 elsewhere; both are handled.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
// A path named in UTF-8 (a narrow path would be read in the system's code page on Windows).
std::filesystem::path PathFromUtf8(std::string_view utf8);

// One step of UTF-8 decoding, for code that must treat bad input with care.
enum class Utf8StepKind {
    Scalar,       // a valid character
    Surrogate,    // a well-formed three-byte encoding of U+D800..U+DFFF (not valid UTF-8)
    InvalidByte,  // a byte that starts no valid sequence; `length` is 1
};
struct Utf8Step {
    char32_t code_point = 0;  // the byte's value for InvalidByte
    std::size_t length = 1;
    Utf8StepKind kind = Utf8StepKind::InvalidByte;
};
// Decodes the sequence at the start of `text`, which must not be empty.
Utf8Step DecodeUtf8Step(std::string_view text);
// Appends `code_point` in UTF-8 form; surrogates get their three-byte form.
void AppendUtf8(std::string& out, char32_t code_point);

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

}  // namespace corvanti
