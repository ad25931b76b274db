#pragma once

#include <cstddef>

#include "common/client_rect.h"
#include "common/language.h"

namespace corvanti {

// The delay time dialog: one digits-only edit with a prompt and the range hint above it.
inline constexpr int kDelayEditId = 600;
inline constexpr ClientRect kDelayEditArea{74, 129, 150, 143};
// 60 pixels wider than the edit on each side: the prompt 40 to 20 pixels above it, the range
// hint in the 20 pixels directly above.
inline constexpr ClientRect kDelayPromptArea{74 - 60, 129 - 40, 150 + 60, 129 - 20};
inline constexpr ClientRect kDelayHintArea{74 - 60, 129 - 20, 150 + 60, 129};
// Far more than any delay needs, leading zeros included, and short enough that the item it
// becomes always fits a record.ini value.
inline constexpr std::size_t kDelayEditMaxDigits = 16;

inline constexpr TextInLanguages kDelayPromptText{"请输入一个延时", "請輸入一個延時",
                                                  "Please enter a delay"};
inline constexpr TextInLanguages kDelayRangeHintText{"(数值范围 20-10000)", "(數值範圍 20-10000)",
                                                     "(value range 20-10000)"};

}  // namespace corvanti
