#include "skin/win/dialog_font.h"

#include <algorithm>

#include "common/text_encoding.h"

namespace corvanti::skin {

namespace {

constexpr int kFontWeight = 400;
constexpr BYTE kFontPitchAndFamily = 0x20;

EntriesExtent MeasureTexts(HFONT font, const std::vector<std::string>& texts) {
    win::WindowDc screen(nullptr);
    win::ScopedSelection select_font(screen.get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    // A list box's line is as high as its font.
    EntriesExtent extent{0, static_cast<int>(metrics.tmHeight),
                         static_cast<int>(metrics.tmAveCharWidth)};
    for (const std::string& text : texts) {
        const std::wstring wide = Utf8ToWide(text);
        SIZE size{};
        GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
        extent.widest = std::max(extent.widest, static_cast<int>(size.cx));
    }
    return extent;
}

}  // namespace

win::UniqueFont CreateDialogFaceFont(std::string_view face, FontSize size) {
    return win::UniqueFont(CreateFontW(size.height, size.width, 0, 0, kFontWeight, FALSE, FALSE,
                                       FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                       DEFAULT_QUALITY, kFontPitchAndFamily,
                                       Utf8ToWide(face).c_str()));
}

EntriesExtent MeasureInDialogFace(std::string_view face, FontSize size,
                                  const std::vector<std::string>& texts) {
    return MeasureTexts(CreateDialogFaceFont(face, size).get(), texts);
}

}  // namespace corvanti::skin
