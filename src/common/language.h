#pragma once

#include <cstdint>
#include <string_view>

namespace corvanti {

// The program's languages, chosen once at start-up from the language code of the settings
// file. The main window and every dialog choose their texts and fonts by it.
enum class Language { SimplifiedChinese, TraditionalChinese, English };

// "CHS" and "CHT" exactly (no other case, no blanks); anything else, the empty code included,
// is English.
Language LanguageFromCode(std::string_view code);

// One text in the three languages (UTF-8), as the program's text tables hold them.
struct TextInLanguages {
    std::string_view simplified_chinese;
    std::string_view traditional_chinese;
    std::string_view english;

    std::string_view In(Language language) const;
};

// The OK and Cancel labels, shared by the main window and every dialog.
inline constexpr TextInLanguages kOkText{"\xE7\xA1\xAE\xE5\xAE\x9A", "\xE7\xA2\xBA\xE5\xAE\x9A",
                                         "OK"};
inline constexpr TextInLanguages kCancelText{"\xE5\x8F\x96\xE6\xB6\x88", "\xE5\x8F\x96\xE6\xB6\x88",
                                             "Cancel"};

// The Chinese user-interface faces (UTF-8): SimHei and SimSun.
inline constexpr std::string_view kHeiFace = "\xE9\xBB\x91\xE4\xBD\x93";   // 黑体
inline constexpr std::string_view kSongFace = "\xE5\xAE\x8B\xE4\xBD\x93";  // 宋体
// The English face of the main window's texts and of every dialog (titles use another).
inline constexpr std::string_view kEnglishFace = "Arial";

// The face of a Chinese language: Simplified Chinese uses SimHei only on Windows 6.2 and SimSun
// elsewhere; Traditional Chinese always SimHei. Empty for English (kEnglishFace, with another
// face for the main window's titles). reported_version is the system's version word: major in
// the low byte, minor in the next.
std::string_view ChineseFaceFor(Language language, std::uint32_t reported_version);

}  // namespace corvanti
