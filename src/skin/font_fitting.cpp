#include "skin/font_fitting.h"

namespace corvanti {

namespace {

// One pixel of sunken edge and one of margin on each side.
constexpr int kValueBoxInset = 2 * (1 + 1);

}  // namespace

int ValueBoxTextWidth(ClientRect value_box) {
    return value_box.Width() - kValueBoxInset;
}

int FittingFontHeight(int dialog_font_height, int width,
                      const std::function<int(int height)>& widest_at) {
    int height = dialog_font_height;
    while (height > kSmallestFittedFontHeight && widest_at(height) > width) {
        --height;
    }
    return height;
}

}  // namespace corvanti
