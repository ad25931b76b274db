#pragma once

#include "common/client_rect.h"
#include "common/language.h"

namespace corvanti::skins_layout {

// Where the skin dialog places its controls (client pixels) and the ids they carry.
inline constexpr int kSkinNameBoxId = 560;
inline constexpr ClientRect kSkinNameBox{42, 128, 136, 144};
inline constexpr ClientRect kTrigger{42, 128, 151, 144};
inline constexpr int kSkinListId = 562;
inline constexpr ClientRect kSkinList{42, 146, 151, 266};
inline constexpr int kSwatchId = 561;
inline constexpr ClientRect kSwatch{42, 94, 151, 110};
// The swatch widened by 30 on both sides, the 30 pixels above it.
inline constexpr ClientRect kColourPrompt{12, 64, 181, 94};

inline constexpr TextInLanguages kColourPromptText{"请点击设置UI文本颜色", "請點擊設置UI文本顏色",
                                                   "Please click to set the UI text color"};

}  // namespace corvanti::skins_layout
