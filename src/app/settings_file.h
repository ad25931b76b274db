#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "app/language_texts.h"
#include "common/rgb.h"

namespace corvanti {

// str.ini: the language, the skin and text colour, and each button's caption per language.
// Every value is read and written through the INI engine, so the file keeps whatever other
// sections and keys it holds.

inline constexpr std::string_view kSkinsSection = "Skins";
inline constexpr std::size_t kCaptionButtonCount = 12;
// Mode A buttons 1 to 12, then mode B buttons 1 to 12.
inline constexpr std::size_t kCaptionCount = 2 * kCaptionButtonCount;
using ButtonCaptions = std::array<std::string, kCaptionCount>;

// "Item1".."Item12" for mode A; for mode B the button number followed by 3 ("Item13",
// "Item23", ..., "Item123"). Empty for an index past the captions.
std::string CaptionKey(std::size_t caption_index);

// The skin settings as the file holds them, each empty when missing.
struct SkinSettingsText {
    std::string red;
    std::string green;
    std::string blue;
    std::string path;
};

struct SettingsFileContent {
    ButtonCaptions captions;
    SkinSettingsText skin;
};

// "Lan" of "Skins"; the program reads it but never writes it.
std::string ReadLanguageCode(const std::filesystem::path& settings_file);
// The captions of the language section, then "RColor", "GColor", "BColor" and "Path".
SettingsFileContent ReadSettings(const std::filesystem::path& settings_file,
                                 std::string_view language_section);
// Both write in one atomic save; an existing file that cannot be read is left alone and the
// error returned.
std::error_code WriteCaptions(const std::filesystem::path& settings_file,
                              std::string_view language_section, const ButtonCaptions& captions);
// "RColor", "GColor", "BColor" as plain decimals, then "Path".
std::error_code WriteSkinSettings(const std::filesystem::path& settings_file, Rgb color,
                                  std::string_view skin_name);

// A colour component from its text, as a C decimal conversion reads it (blanks skipped, an
// optional sign, then the digits up to the first other character; no digits give 0), keeping
// the low 8 bits of the number: "300" gives 44, "-1" gives 255, "12px" gives 12, "red" gives 0.
std::uint8_t ColorComponentFromText(std::string_view text);
Rgb TextColorFromSettings(const SkinSettingsText& skin);

// The captions of a first run: each button's default function in the given language, the same
// for both key modes.
ButtonCaptions FirstRunCaptions(const LanguageTexts& texts);

}  // namespace corvanti
