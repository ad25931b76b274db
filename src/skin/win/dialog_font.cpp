#include "skin/win/dialog_font.h"

#include "common/text_encoding.h"

namespace corvanti::skin {

namespace {

constexpr int kFontWeight = 400;
constexpr BYTE kFontPitchAndFamily = 0x20;

}  // namespace

win::UniqueFont CreateDialogFaceFont(std::string_view face, FontSize size) {
    return win::UniqueFont(CreateFontW(
        size.height, size.width, 0, 0, kFontWeight, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, kFontPitchAndFamily, Utf8ToWide(face).c_str()));
}

}  // namespace corvanti::skin
