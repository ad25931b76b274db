#include "skin/dialog_texts.h"

namespace corvanti {

namespace {

constexpr int kChineseFontHeight = 13;
constexpr int kEnglishFontHeight = 14;

}  // namespace

DialogFontChoice DialogFontFor(Language language, std::uint32_t reported_version) {
    if (language != Language::English) {
        return {ChineseFaceFor(language, reported_version), kChineseFontHeight};
    }
    return {kEnglishFace, kEnglishFontHeight};
}

OkCancelTexts OkCancelTextsFor(Language language) {
    return {kOkText.In(language), kCancelText.In(language)};
}

}  // namespace corvanti
