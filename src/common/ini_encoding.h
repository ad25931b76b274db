#pragma once

#include <string>
#include <string_view>

namespace corvanti {

// How an INI file's bytes are turned into text and back. Decoding never loses a byte:
// encoding the decoded text gives the original bytes again.
enum class IniEncoding {
    Utf16LeWithBom,  // also what new files are created as
    Utf16BeWithBom,
    Utf8WithBom,
    Utf8OrLegacy,  // no BOM: UTF-8, or bytes of some code page
};

// The text form the INI engine holds: UTF-8, except that what the file held but UTF-8 cannot
// say is kept in a reversible form. Of a UTF-16 file, an unpaired surrogate is held in its
// three-byte form; of a UTF-8 or legacy file, each byte that is not valid UTF-8 is held as the
// three-byte form of U+DC80 + (byte - 0x80). Such forms become U+FFFD when converted to UTF-16
// for display.
struct DecodedIniText {
    IniEncoding encoding = IniEncoding::Utf16LeWithBom;
    std::string text;
    // A UTF-16 file of odd length ends in one byte that is no character; it is kept here and
    // written back at the end.
    std::string stray_tail;
};

DecodedIniText DecodeIniBytes(std::string_view bytes);
std::string EncodeIniText(IniEncoding encoding, std::string_view text, std::string_view stray_tail);

}  // namespace corvanti
