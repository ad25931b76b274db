#pragma once

#include "app/language_texts.h"
#include "skin/draw_list.h"

namespace corvanti {

// The fixed part of each page as the page build draws it onto the canvas: the page
// background, every control image in its normal state and every label. The parts that show
// state are drawn over it by their owners: the dropdown boxes with their captions and the key
// mode buttons, the lit report-rate segment, the DPI stages and the lighting texts on the
// basic page; the pointer sliders, their position numbers and the ticks, and the macro
// editor on the advanced page.
DrawList BasicPageSkeleton(const LanguageTexts& texts);
DrawList AdvancedPageSkeleton(const LanguageTexts& texts);

}  // namespace corvanti
