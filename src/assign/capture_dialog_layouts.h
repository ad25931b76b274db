#pragma once

#include "common/client_rect.h"

namespace corvanti {

// Where the capture dialogs place their controls (client pixels) and the ids they carry. The
// frame's OK, Cancel and close areas are the same in every dialog and live with the frame.

// The single-key dialog: a sunken box showing the captured key's name, the prompt above it.
namespace single_key_layout {
inline constexpr int kKeyBoxId = 502;
inline constexpr ClientRect kKeyBox{73, 128, 151, 144};
inline constexpr ClientRect kPrompt{23, 108, 201, 124};
}  // namespace single_key_layout

// The combination dialog: the modifier's drop-down list and two key boxes.
namespace combo_key_layout {
inline constexpr int kModifierBoxId = 512;
inline constexpr ClientRect kModifierBox{49, 69, 117, 85};
inline constexpr ClientRect kTrigger{49, 69, 132, 85};
inline constexpr int kModifierListId = 515;
inline constexpr ClientRect kModifierList{49, 87, 132, 227};
inline constexpr int kFirstKeyBoxId = 516;
inline constexpr ClientRect kFirstKeyBox{50, 120, 131, 134};
inline constexpr int kSecondKeyBoxId = 517;
inline constexpr ClientRect kSecondKeyBox{50, 170, 131, 184};
}  // namespace combo_key_layout

// The fire-key dialog: the key's drop-down list, the speed and count boxes with their labels
// (each box widened by 40 on both sides, the 20 pixels above it) and the explanations.
namespace fire_key_layout {
inline constexpr int kKeyBoxId = 572;
inline constexpr ClientRect kKeyBox{49, 69, 117, 85};
inline constexpr ClientRect kTrigger{49, 69, 132, 85};
inline constexpr int kKeyListId = 573;
inline constexpr ClientRect kKeyList{49, 87, 132, 257};
inline constexpr int kSpeedBoxId = 574;
inline constexpr ClientRect kSpeedBox{50, 120, 131, 134};
inline constexpr int kCountBoxId = 575;
inline constexpr ClientRect kCountBox{50, 170, 131, 184};
inline constexpr ClientRect kSpeedLabel{10, 100, 171, 120};
inline constexpr ClientRect kCountLabel{10, 150, 171, 170};
inline constexpr ClientRect kSpeedExplanation{15, 184, 390, 218};
inline constexpr ClientRect kCountExplanation{15, 218, 390, 250};
}  // namespace fire_key_layout

// The multimedia and Windows-function dialogs: one drop-down list each, at the same place.
struct ListChoiceLayout {
    int value_box_id;
    ClientRect value_box;
    ClientRect trigger;
    int list_id;
    ClientRect list;
};

inline constexpr ListChoiceLayout kMultimediaLayout{
    552, {42, 128, 136, 144}, {42, 128, 151, 144}, 553, {42, 146, 151, 266}};
inline constexpr ListChoiceLayout kWindowsFunctionLayout{
    532, {42, 128, 136, 144}, {42, 128, 151, 144}, 533, {42, 146, 151, 306}};

}  // namespace corvanti
