#include "app/win/main_canvas.h"

#include <type_traits>

#include "common/text_encoding.h"
#include "common/win/handle_owners.h"
#include "skin/win/mem_dc.h"

namespace corvanti::win {

namespace {

void DrawImageStep(HDC dc, const DrawImage& image, const CanvasStyle& style) {
    skin::DrawImageFile(dc, Utf8ToWide(style.skin_directory + image.name), image.x, image.y);
}

RECT ToRect(const ClientRect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

// A word-wrapped label is measured first and its rectangle shrunk equally at top and bottom,
// so the text stands vertically centred.
RECT CentreWrappedText(HDC dc, const std::wstring& text, RECT area) {
    RECT measured = area;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              text_format::kWrappedMeasure);
    const int shrink = ((area.bottom - area.top) - (measured.bottom - measured.top)) / 2;
    area.top += shrink;
    area.bottom -= shrink;
    return area;
}

void DrawLabelStep(HDC dc, const DrawLabel& label, const CanvasStyle& style) {
    const HFONT font = label.font == LabelFont::kTitle ? style.title_font : style.normal_font;
    ScopedSelection select_font(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, style.text_colour);
    const std::wstring text = Utf8ToWide(label.text);
    RECT area = ToRect(label.rect);
    if (label.format == text_format::kWrapped) {
        area = CentreWrappedText(dc, text, area);
    }
    // A text a little wider than its rectangle (English in a rectangle sized for Chinese)
    // stays whole, centred or aligned as asked, instead of being cut off at its edges.
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, label.format | DT_NOCLIP);
}

}  // namespace

void ExecuteDrawList(HDC dc, const DrawList& steps, const CanvasStyle& style) {
    for (const DrawStep& step : steps) {
        std::visit(
            [&](const auto& item) {
                if constexpr (std::is_same_v<std::decay_t<decltype(item)>, DrawImage>) {
                    DrawImageStep(dc, item, style);
                } else {
                    DrawLabelStep(dc, item, style);
                }
            },
            step);
    }
}

void MainCanvas::Draw(HWND window, const DrawList& steps, const CanvasStyle& style) {
    if (!valid()) {
        return;
    }
    RECT client{};
    GetClientRect(window, &client);
    WindowDc window_dc(window);
    skin::CMemDC memory(window_dc.get(), client);
    memory.UseBitmap(canvas_.bitmap.get());
    ExecuteDrawList(memory.dc(), steps, style);
}

void MainCanvas::CopyTo(HDC dc) const {
    if (!valid()) {
        return;
    }
    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    ScopedSelection selection(memory.get(), canvas_.bitmap.get());
    BitBlt(dc, 0, 0, canvas_.width, canvas_.height, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace corvanti::win
