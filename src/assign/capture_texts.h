#pragma once

#include <string>
#include <string_view>

#include "common/language.h"

namespace corvanti {

// The texts the capture dialogs draw themselves (the labels of their boxes belong to the skin
// images, except where listed here).

// Drawn above the single-key dialog's key box.
inline constexpr TextInLanguages kSingleKeyPrompt{"请输入一个按键", "請輸入一個按鍵",
                                                  "Please enter a key"};

// The fire-key dialog's labels above its two number boxes and the explanations below them.
inline constexpr TextInLanguages kFireKeySpeedLabel{"速度", "速度", "Speed"};
inline constexpr TextInLanguages kFireKeyCountLabel{"次数", "次數", "Times"};
inline constexpr TextInLanguages kFireKeySpeedExplanation{
    "速度(数值范围5-255，数值越小速度越快)", "速度(數值範圍5-255，數值越小速度越快)",
    "Speed (value range 5-255, with smaller values faster)"};
inline constexpr TextInLanguages kFireKeyCountExplanation{
    "次数(数值范围0-255，0表示按键放开火力键结束)", "次數(數值範圍0-255，0表示按鍵放開火力鍵結束)",
    "Times (value range 0-255,0 indicates fire key to end when the key released)"};

// What the user is told when a capture dialog cannot watch the keyboard, with the system's
// error code; the dialog then stays open without capture.
std::string SingleKeyHookFailureText(int error_code);
std::string ComboKeyHookFailureText(int error_code);

}  // namespace corvanti
