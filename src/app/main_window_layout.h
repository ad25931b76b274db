#pragma once

#include "common/client_rect.h"
#include "skin/dropdown_list_state.h"

namespace corvanti {

// Where the main window's own controls lie, in client pixels. The window has no controls of
// its own: clicks and hover are hit-tested against these rectangles. The controls that belong
// to a part of a page (button boxes and key modes, report rate, DPI stages, lighting, pointer
// settings) keep their geometry with their owners.

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
inline constexpr ClientRect kKeyDefaultsArea{307, 549, 412, 570};

// The advanced settings page.
inline constexpr ClientRect kPointerDefaultArea{38, 584, 143, 605};
inline constexpr ClientRect kStartRecordingArea{735, 229, 764, 258};
inline constexpr ClientRect kStopRecordingArea{735, 265, 764, 294};
inline constexpr ClientRect kNewMacroArea{513, 528, 618, 549};
inline constexpr ClientRect kDeleteMacroArea{617, 528, 722, 549};
inline constexpr ClientRect kConfirmMacroArea{721, 528, 826, 549};
inline constexpr DropdownGeometry kInsertMouseEventDropdown{{735, 402, 854, 416},
                                                            {734, 419, 854, 569}};

}  // namespace corvanti
