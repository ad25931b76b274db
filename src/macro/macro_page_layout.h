#pragma once

#include <array>
#include <optional>

#include "common/client_rect.h"

namespace corvanti {

// The macro half of the advanced page: its child controls, created with the page and
// destroyed with it, and its click areas, hit-tested by the main window.
inline constexpr int kMacroNameEditId = 150;
inline constexpr int kLoopCountEditId = 149;
inline constexpr int kMacroListBoxId = 151;
inline constexpr int kEventListBoxId = 152;
inline constexpr int kChosenMouseEventId = 119;
inline constexpr int kMouseEventListBoxId = 154;

enum class MacroPageControlKind { kEdit, kListBox, kStatic };

struct MacroPageControl {
    int id;
    MacroPageControlKind kind;
    ClientRect area;
};

// The mouse-event list (154) exists only while open; the others live with the page.
inline constexpr std::array<MacroPageControl, 6> kMacroPageControls{{
    {kMacroNameEditId, MacroPageControlKind::kEdit, {735, 322, 799, 336}},
    {kLoopCountEditId, MacroPageControlKind::kEdit, {735, 362, 799, 376}},
    {kMacroListBoxId, MacroPageControlKind::kListBox, {462, 220, 591, 512}},
    {kEventListBoxId, MacroPageControlKind::kListBox, {592, 220, 725, 512}},
    {kChosenMouseEventId, MacroPageControlKind::kStatic, {735, 402, 839, 416}},
    {kMouseEventListBoxId, MacroPageControlKind::kListBox, {734, 419, 854, 569}},
}};

inline constexpr ClientRect kMouseEventBox{735, 402, 854, 416};
inline constexpr ClientRect kMouseEventListArea{734, 419, 854, 569};

enum class MacroPageAction { kStartRecording, kStopRecording, kNewMacro, kDeleteMacro, kConfirm };

struct MacroPageButton {
    MacroPageAction action;
    ClientRect area;
};

// In the order the main window tests them; New, Delete and Confirm share their edge columns.
inline constexpr std::array<MacroPageButton, 5> kMacroPageButtons{{
    {MacroPageAction::kStartRecording, {735, 229, 764, 258}},
    {MacroPageAction::kStopRecording, {735, 265, 764, 294}},
    {MacroPageAction::kNewMacro, {513, 528, 618, 549}},
    {MacroPageAction::kDeleteMacro, {617, 528, 722, 549}},
    {MacroPageAction::kConfirm, {721, 528, 826, 549}},
}};

// The first button containing the point.
std::optional<MacroPageAction> MacroPageButtonAt(ClientPoint p);

// Every click on the page outside the mouse-event box and its list closes that list.
bool ClosesMouseEventList(ClientPoint p);

}  // namespace corvanti
