#include "app/click_dispatch.h"

#include <cstddef>
#include <optional>

#include "app/main_window_layout.h"
#include "assign/button_geometry.h"
#include "settings/dpi_grid.h"
#include "settings/lighting_panel.h"
#include "settings/pointer_panel.h"
#include "settings/report_rate.h"

namespace corvanti {

namespace {

using Kind = ClickActionKind;

enum class Then { Continues, Ends };

struct CommonHotspot {
    ClientRect area;
    Kind action;
    bool needs_connection;
    Then then;
};

// Tested in this order; each hit is carried out, and an "ends" hit stops the dispatch.
constexpr CommonHotspot kCommonHotspots[] = {
    {kOkArea, Kind::Ok, true, Then::Continues},
    {kApplyArea, Kind::Apply, true, Then::Continues},
    {kSkinsArea, Kind::SkinsDialog, false, Then::Continues},
    {kMinimiseArea, Kind::Hide, false, Then::Ends},
    {kCloseArea, Kind::Exit, false, Then::Ends},
    {kBasicTabArea, Kind::ShowBasicPage, false, Then::Ends},
    {kAdvancedTabArea, Kind::ShowAdvancedPage, false, Then::Ends},
    {kCancelArea, Kind::Cancel, false, Then::Continues},
    {kWebLinkArea, Kind::OpenWebLink, false, Then::Ends},
};

struct SingleHotspot {
    ClientRect area;
    Kind action;
};

// Numbered controls of one kind: control i (1-based) lies at area(i).
struct NumberedHotspots {
    Kind action;
    int count;
    ClientRect (*area)(int);
};

// A grid of numbered cells: searched by its first number (stage, slider row), then along the
// second (level, position); the action carries both.
struct CellGrid {
    Kind action;
    int first_count;
    int second_count;
    ClientRect (*area)(int, int);
};

// The owners count buttons, stages and selectors from 0; the window shows them from 1.
std::size_t ZeroBased(int number) {
    return static_cast<std::size_t>(number - 1);
}

ClientRect ButtonBoxArea(int k) {
    return DropdownBoxRect(ZeroBased(k));
}

ClientRect ReportRateCellArea(int s) {
    return kReportRateCells[ZeroBased(s)].rect;
}

ClientRect DpiTickArea(int k) {
    return DpiTickRect(ZeroBased(k));
}

ClientRect DpiSwatchArea(int k) {
    return DpiSwatchRect(ZeroBased(k));
}

ClientRect LightingSelectorArea(int n) {
    return kLightingSelectors[ZeroBased(n)].click_area;
}

ClientRect DpiLevelArea(int k, int level) {
    return DpiCellRect(ZeroBased(k), level);
}

ClientRect PointerSliderArea(int row, int position) {
    return PointerSliderCellRect(static_cast<PointerSlider>(row), position);
}

constexpr int kPointerSliderCount = 3;

// The basic page's rows in their order; the first match wins, the DPI level grid comes last.
constexpr SingleHotspot kBasicPageSingles[] = {
    {kKeyModeButtons[0].rect, Kind::KeyModeA},
    {kKeyModeButtons[1].rect, Kind::KeyModeB},
    {kKeyDefaultsArea, Kind::KeyDefaults},
};

const NumberedHotspots kBasicPageNumbered[] = {
    {Kind::ToggleButtonList, static_cast<int>(kMouseButtonCount), ButtonBoxArea},
    {Kind::ReportRateSegment, static_cast<int>(kReportRateCells.size()), ReportRateCellArea},
    {Kind::DpiTick, static_cast<int>(kDpiStageCount), DpiTickArea},
    {Kind::DpiSwatch, static_cast<int>(kDpiStageCount), DpiSwatchArea},
    {Kind::LightingSelector, static_cast<int>(kLightingSelectorCount), LightingSelectorArea},
};

const CellGrid kDpiLevelGrid{Kind::DpiLevel, static_cast<int>(kDpiStageCount), kMaxDpiCells,
                             DpiLevelArea};

// The advanced page's rows in their order; then the insert-mouse-event box, then the sliders.
// clang-format off
const SingleHotspot kAdvancedPageSingles[] = {
    {PointerTickRect(PointerTick::Precision), Kind::PrecisionTick},
    {PointerTickRect(PointerTick::PageScrolling), Kind::PageScrollTick},
    {kPointerDefaultArea, Kind::PointerDefaults},
    {kStartRecordingArea, Kind::StartRecording},
    {kStopRecordingArea, Kind::StopRecording},
    {kNewMacroArea, Kind::NewMacro},
    {kDeleteMacroArea, Kind::DeleteMacro},
    {kConfirmMacroArea, Kind::ConfirmMacro},
};
// clang-format on

const CellGrid kPointerSliderGrid{Kind::PointerSlider, kPointerSliderCount, kPointerSliderCells,
                                  PointerSliderArea};

template <std::size_t N>
std::optional<ClickAction> FirstSingleHit(ClientPoint p, const SingleHotspot (&table)[N]) {
    for (const SingleHotspot& hotspot : table) {
        if (hotspot.area.Contains(p)) {
            return ClickAction{hotspot.action};
        }
    }
    return std::nullopt;
}

std::optional<ClickAction> FirstNumberedHit(ClientPoint p) {
    for (const NumberedHotspots& family : kBasicPageNumbered) {
        for (int i = 1; i <= family.count; ++i) {
            if (family.area(i).Contains(p)) {
                return ClickAction{family.action, i};
            }
        }
    }
    return std::nullopt;
}

std::optional<ClickAction> GridHit(ClientPoint p, const CellGrid& grid) {
    for (int first = 1; first <= grid.first_count; ++first) {
        for (int second = 1; second <= grid.second_count; ++second) {
            if (grid.area(first, second).Contains(p)) {
                return ClickAction{grid.action, first, second};
            }
        }
    }
    return std::nullopt;
}

ClickAction BasicPageAction(ClientPoint p) {
    if (auto hit = FirstSingleHit(p, kBasicPageSingles)) {
        return *hit;
    }
    if (auto hit = FirstNumberedHit(p)) {
        return *hit;
    }
    return GridHit(p, kDpiLevelGrid).value_or(ClickAction{Kind::WindowDrag});
}

ClickAction AdvancedPageAction(ClientPoint p) {
    if (auto hit = FirstSingleHit(p, kAdvancedPageSingles)) {
        return *hit;
    }
    if (kInsertMouseEventDropdown.trigger.Contains(p)) {
        return {Kind::ToggleInsertMouseEventList};
    }
    return GridHit(p, kPointerSliderGrid).value_or(ClickAction{Kind::WindowDrag});
}

void DispatchOnPage(const ClickContext& click, ClickActions& actions) {
    switch (click.page) {
        case PageState::Basic:
            actions.push_back({Kind::CloseButtonListsOutside});
            actions.push_back({Kind::CloseLightingListsOutside});
            actions.push_back(BasicPageAction(click.point));
            return;
        case PageState::Advanced:
            if (click.insert_mouse_event_list_open &&
                !kInsertMouseEventDropdown.Covers(click.point)) {
                actions.push_back({Kind::CloseInsertMouseEventList});
            }
            actions.push_back(AdvancedPageAction(click.point));
            return;
        case PageState::None:
            break;
    }
    actions.push_back({Kind::WindowDrag});
}

}  // namespace

ClickActions DispatchClick(const ClickContext& click) {
    ClickActions actions;
    for (const CommonHotspot& hotspot : kCommonHotspots) {
        if (!hotspot.area.Contains(click.point)) {
            continue;
        }
        if (click.connected || !hotspot.needs_connection) {
            actions.push_back({hotspot.action});
        }
        if (hotspot.then == Then::Ends) {
            return actions;
        }
    }
    DispatchOnPage(click, actions);
    return actions;
}

}  // namespace corvanti
