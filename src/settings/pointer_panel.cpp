#include "settings/pointer_panel.h"

#include <string>
#include <string_view>

#include "settings/tick_box.h"

namespace corvanti {

namespace {

constexpr std::string_view kLitCellImage = "/slider-light.png";
constexpr std::string_view kUnlitCellImage = "/slider-dark.png";

constexpr int kCellsLeft = 52;
constexpr int kCellWidth = 24;
constexpr int kCellHeight = 11;
constexpr int kFirstSliderTop = 200;
constexpr int kSliderPitch = 150;
// A number stands in the gap under its cell, clear of the cell image.
constexpr int kNumberGap = 2;
constexpr int kNumberHeight = 14;

constexpr ClientRect kPrecisionTickRect{51, 255, 67, 271};
constexpr ClientRect kPageScrollingTickRect{51, 405, 67, 421};

int SliderTop(PointerSlider slider) {
    return kFirstSliderTop + kSliderPitch * (static_cast<int>(slider) - 1);
}

}  // namespace

ClientRect PointerSliderCellRect(PointerSlider slider, int cell) {
    if (cell < 1 || cell > kPointerSliderCells) {
        return {};
    }
    const int left = kCellsLeft + kCellWidth * (cell - 1);
    const int top = SliderTop(slider);
    return {left, top, left + kCellWidth, top + kCellHeight};
}

ClientRect PointerTickRect(PointerTick tick) {
    return tick == PointerTick::Precision ? kPrecisionTickRect : kPageScrollingTickRect;
}

DrawList DrawPointerSlider(PointerSlider slider, int value) {
    DrawList list;
    for (int cell = 1; cell <= kPointerSliderCells; ++cell) {
        const ClientRect rect = PointerSliderCellRect(slider, cell);
        list.push_back(DrawImage{std::string(cell <= value ? kLitCellImage : kUnlitCellImage),
                                 rect.left, rect.top});
    }
    return list;
}

DrawStep DrawPointerTick(PointerTick tick, bool on) {
    const ClientRect rect = PointerTickRect(tick);
    return DrawTickBox(rect.left, rect.top, on);
}

DrawList DrawPointerSliderNumbers() {
    DrawList list;
    for (PointerSlider slider :
         {PointerSlider::Speed, PointerSlider::Scrolling, PointerSlider::DoubleClick}) {
        for (int cell = 1; cell <= kPointerSliderCells; ++cell) {
            const ClientRect rect = PointerSliderCellRect(slider, cell);
            const int top = rect.bottom + kNumberGap;
            list.push_back(DrawLabel{std::to_string(cell),
                                     {rect.left, top, rect.right, top + kNumberHeight},
                                     text_format::kCentredTop});
        }
    }
    return list;
}

DrawList DrawPointerPanel(const ProfileRecord& record) {
    DrawList list{DrawPointerTick(PointerTick::Precision, record.pointer_precision()),
                  DrawPointerTick(PointerTick::PageScrolling, record.scroll_one_screen())};
    Append(list, DrawPointerSlider(PointerSlider::Speed, record.pointer_speed()));
    Append(list, DrawPointerSlider(PointerSlider::Scrolling, record.wheel_lines()));
    Append(list, DrawPointerSlider(PointerSlider::DoubleClick, record.double_click_speed()));
    return list;
}

}  // namespace corvanti
