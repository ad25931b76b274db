#include "skin/dialog_texts.h"

namespace corvanti {

namespace {

constexpr std::string_view kHeiTi = "\xE9\xBB\x91\xE4\xBD\x93";   // 黑体
constexpr std::string_view kSongTi = "\xE5\xAE\x8B\xE4\xBD\x93";  // 宋体

bool ReportsVersion62(std::uint32_t reported_version) {
    const std::uint32_t major = reported_version & 0xFFu;
    const std::uint32_t minor = (reported_version >> 8) & 0xFFu;
    return major == 6 && minor == 2;
}

}  // namespace

UiLanguage UiLanguageOf(std::string_view language_code) {
    if (language_code == "CHS") {
        return UiLanguage::kSimplifiedChinese;
    }
    if (language_code == "CHT") {
        return UiLanguage::kTraditionalChinese;
    }
    return UiLanguage::kEnglish;
}

DialogFontChoice DialogFontFor(std::string_view language_code, std::uint32_t reported_version) {
    switch (UiLanguageOf(language_code)) {
        case UiLanguage::kSimplifiedChinese:
            return {ReportsVersion62(reported_version) ? kHeiTi : kSongTi, 13};
        case UiLanguage::kTraditionalChinese:
            return {kHeiTi, 13};
        case UiLanguage::kEnglish:
            break;
    }
    return {"Arial", 14};
}

OkCancelTexts OkCancelTextsFor(std::string_view language_code) {
    switch (UiLanguageOf(language_code)) {
        case UiLanguage::kSimplifiedChinese:
            return {"\xE7\xA1\xAE\xE5\xAE\x9A", "\xE5\x8F\x96\xE6\xB6\x88"};  // 确定, 取消
        case UiLanguage::kTraditionalChinese:
            return {"\xE7\xA2\xBA\xE5\xAE\x9A", "\xE5\x8F\x96\xE6\xB6\x88"};  // 確定, 取消
        case UiLanguage::kEnglish:
            break;
    }
    return {"OK", "Cancel"};
}

}  // namespace corvanti
