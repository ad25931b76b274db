#pragma once

#include <array>
#include <optional>

#include "common/client_rect.h"
#include "common/language.h"

namespace corvanti {

// The macro key dialog: a drop-down of the stored macros and three repeat modes, each with a
// tick box and its text.
inline constexpr int kMacroValueBoxId = 592;
inline constexpr int kMacroKeyListId = 593;
inline constexpr ClientRect kMacroValueBox{42, 128, 136, 144};
inline constexpr ClientRect kMacroTrigger{42, 128, 151, 144};
inline constexpr ClientRect kMacroKeyListArea{42, 146, 151, 286};
// 50 pixels wider than the trigger on each side, in the 16 pixels above it.
inline constexpr ClientRect kMacroPromptArea{42 - 50, 128 - 16, 151 + 50, 128};

inline constexpr std::string_view kTickedImage = "/PaneMakingTick.png";
inline constexpr std::string_view kUntickedImage = "/Pane.png";

inline constexpr int kInitialRepeatMode = 1;

struct RepeatModeRow {
    int mode;
    ClientRect tick;
    ClientRect text;
    TextInLanguages label;
};

inline constexpr std::array<RepeatModeRow, 3> kRepeatModeTable{{
    {1,
     {220, 78, 236, 94},
     {237, 70, 390, 102},
     {"重复指定次数或按任意键结束", "重複指定次數或按任意鍵結束",
      "Repeat a specified number of times or press any key to end"}},
    {2,
     {220, 128, 236, 144},
     {237, 120, 390, 152},
     {"重复直到按任意键结束", "重複直到按任意鍵結束", "Repeat until press any key to end"}},
    {3,
     {220, 178, 236, 194},
     {237, 170, 390, 202},
     {"重复直到该按键松开结束", "重複直到該按鍵鬆開結束", "Repeat until the key is released"}},
}};

inline constexpr TextInLanguages kMacroPromptText{
    "请从列表框选择一个宏", "請從清單方塊選擇一個巨集", "Please select a macro"};

// The mode whose tick box contains the point, if any.
std::optional<int> RepeatModeAt(ClientPoint p);

// Where a word-wrapped text of the measured height stands centred vertically in its area:
// the area shrunk equally at top and bottom. A text taller than its area grows it equally
// instead, so no line is cut off.
ClientRect VerticallyCentred(ClientRect area, int text_height);

}  // namespace corvanti
