#pragma once

#include <array>

#include "common/client_rect.h"
#include "skin/dropdown_list_state.h"

namespace corvanti {

// Where everything the user can press on the main window lies, in client pixels. The window
// has no controls of its own: clicks and hover are hit-tested against these rectangles.
// Numbered controls count from 1 (button k, report-rate segment s, DPI stage k ...), as the
// window shows them.

// Controls on every page.
inline constexpr ClientRect kOkArea{562, 623, 667, 644};
inline constexpr ClientRect kApplyArea{666, 623, 771, 644};
inline constexpr ClientRect kSkinsArea{701, 5, 719, 23};
inline constexpr ClientRect kMinimiseArea{825, 5, 843, 23};
inline constexpr ClientRect kCloseArea{850, 5, 868, 23};
inline constexpr ClientRect kBasicTabArea{14, 54, 54, 94};
inline constexpr ClientRect kAdvancedTabArea{60, 54, 100, 94};
inline constexpr ClientRect kCancelArea{770, 623, 875, 644};
inline constexpr ClientRect kWebLinkArea{246, 611, 398, 629};
inline constexpr ClientRect kPageTitleArea{105, 51, 320, 99};

// The basic settings page.
inline constexpr ClientRect kModeAArea{253, 518, 358, 539};
inline constexpr ClientRect kModeBArea{357, 518, 462, 539};
inline constexpr ClientRect kKeyDefaultsArea{307, 549, 412, 570};

inline constexpr int kButtonCount = 10;
inline constexpr int kReportRateSegmentCount = 4;
inline constexpr int kDpiStages = 4;
inline constexpr int kDpiLevelCount = 12;
inline constexpr int kLightingDropdownCount = 3;

// Button k's function dropdown: its box and the area its open list covers. The lists of
// buttons 7 to 10 open to the right of the boxes, so they stay inside the window.
constexpr DropdownGeometry ButtonDropdown(int k) {
    constexpr int kRowHeight = 23;
    constexpr int kFirstRightListButton = 7;
    const int row = k - 1;
    const ClientRect box{252, 199 + kRowHeight * row, 463, 220 + kRowHeight * row};
    if (k < kFirstRightListButton) {
        return {box, {252, 221 + kRowHeight * row, 463, 491 + kRowHeight * row}};
    }
    const int right_row = k - kFirstRightListButton;
    return {box, {463, 100 + kRowHeight * right_row, 674, 370 + kRowHeight * right_row}};
}

constexpr ClientRect ReportRateSegmentArea(int s) {
    constexpr int kPitch = 72;  // 70 pixels wide with 2-pixel gaps
    return {542 + kPitch * (s - 1), 204, 612 + kPitch * (s - 1), 215};
}

inline constexpr int kDpiColumnPitch = 27;

constexpr ClientRect DpiTickArea(int k) {
    const int left = 554 + kDpiColumnPitch * (k - 1);
    return {left, 541, left + 16, 557};
}

constexpr ClientRect DpiSwatchArea(int k) {
    const int left = 554 + kDpiColumnPitch * (k - 1);
    return {left, 523, left + 16, 539};
}

// Level L of stage k; level 1 is the bottom cell, each higher level 18 pixels further up.
constexpr ClientRect DpiLevelArea(int k, int level) {
    constexpr int kLevelPitch = 18;
    const int left = 554 + kDpiColumnPitch * (k - 1);
    const int top = 500 - kLevelPitch * (level - 1);
    return {left, top, left + 16, top + 16};
}

// The three lighting selectors (mode, parameter, effect) from top to bottom, each with the
// area its list covers.
inline constexpr std::array<DropdownGeometry, kLightingDropdownCount> kLightingDropdowns = {{
    {{767, 330, 851, 344}, {766, 347, 851, 407}},
    {{767, 360, 851, 374}, {766, 377, 851, 457}},
    {{767, 390, 851, 404}, {766, 407, 851, 447}},
}};

// The advanced settings page.
inline constexpr ClientRect kPrecisionTickArea{51, 255, 67, 271};
inline constexpr ClientRect kPageScrollTickArea{51, 405, 67, 421};
inline constexpr ClientRect kPointerDefaultArea{38, 584, 143, 605};
inline constexpr ClientRect kStartRecordingArea{735, 229, 764, 258};
inline constexpr ClientRect kStopRecordingArea{735, 265, 764, 294};
inline constexpr ClientRect kNewMacroArea{513, 528, 618, 549};
inline constexpr ClientRect kDeleteMacroArea{617, 528, 722, 549};
inline constexpr ClientRect kConfirmMacroArea{721, 528, 826, 549};
inline constexpr DropdownGeometry kInsertMouseEventDropdown{{735, 402, 854, 416},
                                                            {734, 419, 854, 569}};

inline constexpr int kPointerSliderRows = 3;  // mouse speed, scrolling speed, double-click speed
inline constexpr int kPointerSliderPositions = 11;

constexpr ClientRect PointerSliderCellArea(int row, int position) {
    constexpr int kCellWidth = 24;
    constexpr int kRowPitch = 150;
    const int left = 52 + kCellWidth * (position - 1);
    const int top = 200 + kRowPitch * (row - 1);
    return {left, top, left + kCellWidth, top + 11};
}

}  // namespace corvanti
