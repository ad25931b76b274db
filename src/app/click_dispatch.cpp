#include "app/click_dispatch.h"

#include <cstddef>
#include <optional>

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

constexpr ClientRect ButtonBoxArea(int k) {
    return ButtonDropdown(k).trigger;
}

constexpr ClientRect LightingSelectorArea(int n) {
    return kLightingDropdowns[static_cast<std::size_t>(n - 1)].trigger;
}

// The basic page's rows in their order; the first match wins, the DPI level grid comes last.
constexpr SingleHotspot kBasicPageSingles[] = {
    {kModeAArea, Kind::KeyModeA},
    {kModeBArea, Kind::KeyModeB},
    {kKeyDefaultsArea, Kind::KeyDefaults},
};

constexpr NumberedHotspots kBasicPageNumbered[] = {
    {Kind::ToggleButtonList, kButtonCount, ButtonBoxArea},
    {Kind::ReportRateSegment, kReportRateSegmentCount, ReportRateSegmentArea},
    {Kind::DpiTick, kDpiStages, DpiTickArea},
    {Kind::DpiSwatch, kDpiStages, DpiSwatchArea},
    {Kind::LightingSelector, kLightingDropdownCount, LightingSelectorArea},
};

// The advanced page's rows in their order; then the insert-mouse-event box, then the sliders.
// clang-format off
constexpr SingleHotspot kAdvancedPageSingles[] = {
    {kPrecisionTickArea, Kind::PrecisionTick},
    {kPageScrollTickArea, Kind::PageScrollTick},
    {kPointerDefaultArea, Kind::PointerDefaults},
    {kStartRecordingArea, Kind::StartRecording},
    {kStopRecordingArea, Kind::StopRecording},
    {kNewMacroArea, Kind::NewMacro},
    {kDeleteMacroArea, Kind::DeleteMacro},
    {kConfirmMacroArea, Kind::ConfirmMacro},
};
// clang-format on

// The lighting lists are closed in the order mode, effect, parameter.
constexpr int kLightingCloseOrder[] = {1, 3, 2};

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

// A grid of numbered cells: searched by its first number (stage, slider row), then along the
// second (level, position); the action carries both.
struct CellGrid {
    Kind action;
    int first_count;
    int second_count;
    ClientRect (*area)(int, int);
};

constexpr CellGrid kDpiLevelGrid{Kind::DpiLevel, kDpiStages, kDpiLevelCount, DpiLevelArea};
constexpr CellGrid kPointerSliderGrid{Kind::PointerSlider, kPointerSliderRows,
                                      kPointerSliderPositions, PointerSliderCellArea};

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

// A click outside a button's box and list closes that button's list and the secondary list
// beside it; as no point lies inside all ten buttons' areas, every click here closes the
// secondary list.
void CloseBasicPageLists(ClientPoint p, OpenDropdowns open, ClickActions& actions) {
    for (int k = 1; k <= kButtonCount; ++k) {
        if (ButtonDropdown(k).Covers(p)) {
            continue;
        }
        if (open.button_lists[static_cast<std::size_t>(k - 1)]) {
            actions.push_back({Kind::CloseButtonList, k});
        }
        if (open.secondary_list) {
            actions.push_back({Kind::CloseSecondaryList});
            open.secondary_list = false;
        }
    }
    for (int n : kLightingCloseOrder) {
        const auto slot = static_cast<std::size_t>(n - 1);
        if (open.lighting_lists[slot] && !kLightingDropdowns[slot].Covers(p)) {
            actions.push_back({Kind::CloseLightingList, n});
        }
    }
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
            CloseBasicPageLists(click.point, click.open, actions);
            actions.push_back(BasicPageAction(click.point));
            return;
        case PageState::Advanced:
            if (click.open.insert_mouse_event_list &&
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
