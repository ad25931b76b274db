#include "app/settings_file.h"

#include "common/ini_file.h"

namespace corvanti {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLanguageKey = "Lan";
constexpr std::string_view kRedKey = "RColor";
constexpr std::string_view kGreenKey = "GColor";
constexpr std::string_view kBlueKey = "BColor";
constexpr std::string_view kPathKey = "Path";

// Button 4's default caption is no row of the language table.
constexpr std::string_view kDpiLoopCaption = "DPI Loop";

enum class CaptionSource { Text, TextWithFireKeySuffix, DpiLoop };
struct FirstRunCaption {
    CaptionSource source;
    TextRole role;
};

// Buttons 1 to 12; they match the default key layout.
constexpr std::array<FirstRunCaption, kCaptionButtonCount> kFirstRunCaptionTable = {{
    {CaptionSource::Text, TextRole::FunctionLeftClick},
    {CaptionSource::Text, TextRole::FunctionRightClick},
    {CaptionSource::Text, TextRole::FunctionMiddleClick},
    {CaptionSource::DpiLoop, TextRole::FunctionDpiSwitch},
    {CaptionSource::Text, TextRole::FunctionPreviousTrack},
    {CaptionSource::Text, TextRole::FunctionNextTrack},
    {CaptionSource::Text, TextRole::FunctionTripleClick},
    {CaptionSource::TextWithFireKeySuffix, TextRole::FunctionFireKey},
    {CaptionSource::Text, TextRole::FunctionMyComputer},
    {CaptionSource::Text, TextRole::FunctionRgbOnOff},
    {CaptionSource::Text, TextRole::FunctionKeyOff},
    {CaptionSource::Text, TextRole::FunctionKeyOff},
}};

std::string CaptionOf(const FirstRunCaption& row, const LanguageTexts& texts) {
    switch (row.source) {
        case CaptionSource::DpiLoop:
            return std::string(kDpiLoopCaption);
        case CaptionSource::TextWithFireKeySuffix:
            return texts.Text(row.role) + texts.Text(TextRole::FireKeySuffix);
        case CaptionSource::Text:
            break;
    }
    return texts.Text(row.role);
}

bool IsCBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::string CaptionKey(std::size_t caption_index) {
    if (caption_index >= kCaptionCount) {
        return {};
    }
    const std::size_t button = caption_index % kCaptionButtonCount + 1;
    const bool mode_b = caption_index >= kCaptionButtonCount;
    std::string key = "Item";
    key.append(std::to_string(button));
    if (mode_b) {
        key.push_back('3');
    }
    return key;
}

std::string ReadLanguageCode(const fs::path& settings_file) {
    return ReadIniString(settings_file, kSkinsSection, kLanguageKey);
}

SettingsFileContent ReadSettings(const fs::path& settings_file, std::string_view language_section) {
    const IniFile file = IniFile::Load(settings_file);
    SettingsFileContent content;
    for (std::size_t i = 0; i < kCaptionCount; ++i) {
        content.captions[i] = file.Get(language_section, CaptionKey(i));
    }
    content.skin.red = file.Get(kSkinsSection, kRedKey);
    content.skin.green = file.Get(kSkinsSection, kGreenKey);
    content.skin.blue = file.Get(kSkinsSection, kBlueKey);
    content.skin.path = file.Get(kSkinsSection, kPathKey);
    return content;
}

std::error_code WriteCaptions(const fs::path& settings_file, std::string_view language_section,
                              const ButtonCaptions& captions) {
    std::error_code error;
    IniFile file = IniFile::Load(settings_file, error);
    if (error) {
        return error;
    }
    for (std::size_t i = 0; i < kCaptionCount; ++i) {
        file.Set(language_section, CaptionKey(i), captions[i]);
    }
    return file.Save(settings_file);
}

std::error_code WriteSkinSettings(const fs::path& settings_file, Rgb color,
                                  std::string_view skin_name) {
    std::error_code error;
    IniFile file = IniFile::Load(settings_file, error);
    if (error) {
        return error;
    }
    file.Set(kSkinsSection, kRedKey, std::to_string(color.red));
    file.Set(kSkinsSection, kGreenKey, std::to_string(color.green));
    file.Set(kSkinsSection, kBlueKey, std::to_string(color.blue));
    file.Set(kSkinsSection, kPathKey, skin_name);
    return file.Save(settings_file);
}

std::uint8_t ColorComponentFromText(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size() && IsCBlank(text[position])) {
        ++position;
    }
    const bool negative = position < text.size() && text[position] == '-';
    if (position < text.size() && (text[position] == '-' || text[position] == '+')) {
        ++position;
    }
    // Only the low 8 bits are kept, so the digits are summed modulo 256: no length of number
    // can overflow.
    unsigned low_bits = 0;
    for (; position < text.size() && text[position] >= '0' && text[position] <= '9'; ++position) {
        low_bits = (low_bits * 10 + static_cast<unsigned>(text[position] - '0')) & 0xFFu;
    }
    return static_cast<std::uint8_t>(negative ? (0x100u - low_bits) & 0xFFu : low_bits);
}

Rgb TextColorFromSettings(const SkinSettingsText& skin) {
    return {ColorComponentFromText(skin.red), ColorComponentFromText(skin.green),
            ColorComponentFromText(skin.blue)};
}

ButtonCaptions FirstRunCaptions(const LanguageTexts& texts) {
    ButtonCaptions captions;
    for (std::size_t i = 0; i < kCaptionCount; ++i) {
        captions[i] = CaptionOf(kFirstRunCaptionTable[i % kCaptionButtonCount], texts);
    }
    return captions;
}

}  // namespace corvanti
