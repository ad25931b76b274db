#include "app/click_dispatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace corvanti {

// Readable failures: "{kind index value}".
void PrintTo(const ClickAction& action, std::ostream* out);
void PrintTo(const ClickAction& action, std::ostream* out) {
    *out << "{" << static_cast<int>(action.kind) << " " << action.index << " " << action.value
         << "}";
}

namespace {

using K = ClickActionKind;

ClickActions Click(int x, int y, PageState page, bool connected = true, OpenDropdowns open = {}) {
    return DispatchClick({{x, y}, page, open, connected});
}

constexpr ClickAction kDrag{K::WindowDrag};

struct ClickCase {
    const char* what;
    int x;
    int y;
    PageState page;
    bool connected;
    ClickActions actions;
};

void ExpectCases(std::initializer_list<ClickCase> cases) {
    for (const ClickCase& c : cases) {
        EXPECT_EQ(Click(c.x, c.y, c.page, c.connected), c.actions)
            << c.what << " at (" << c.x << ", " << c.y << ")";
    }
}

TEST(DispatchClickTest, ControlsOnEveryPageContinueOrEnd) {
    const auto basic = PageState::Basic;
    ExpectCases({
        {"OK alone", 600, 630, basic, true, {{K::Ok}, kDrag}},
        {"OK and Apply share x = 666", 666, 630, basic, true, {{K::Ok}, {K::Apply}, kDrag}},
        {"Apply alone", 700, 643, basic, true, {{K::Apply}, kDrag}},
        {"Apply and Cancel share x = 770", 770, 623, basic, true, {{K::Apply}, {K::Cancel}, kDrag}},
        {"Cancel's right edge is exclusive", 875, 630, basic, true, {kDrag}},
        {"skins", 701, 5, basic, true, {{K::SkinsDialog}, kDrag}},
        {"minimise", 842, 22, basic, true, {{K::Hide}}},
        {"close", 850, 5, basic, true, {{K::Exit}}},
        {"basic tab", 14, 54, PageState::Advanced, true, {{K::ShowBasicPage}}},
        {"advanced tab", 99, 93, basic, true, {{K::ShowAdvancedPage}}},
        {"web link", 246, 611, basic, true, {{K::OpenWebLink}}},
        {"web link bottom is exclusive", 300, 629, basic, true, {kDrag}},
    });
}

TEST(DispatchClickTest, OkAndApplyNeedTheMouseTheOthersDoNot) {
    const auto basic = PageState::Basic;
    ExpectCases({
        {"OK unplugged", 600, 630, basic, false, {kDrag}},
        {"OK and Apply unplugged", 666, 630, basic, false, {kDrag}},
        {"Apply and Cancel unplugged", 770, 630, basic, false, {{K::Cancel}, kDrag}},
        {"skins unplugged", 710, 10, basic, false, {{K::SkinsDialog}, kDrag}},
        {"close unplugged", 860, 10, basic, false, {{K::Exit}}},
        {"no page yet", 600, 630, PageState::None, true, {{K::Ok}, kDrag}},
        {"no page, no hotspot", 300, 300, PageState::None, true, {kDrag}},
    });
}

TEST(DispatchClickTest, BasicPageRowsInTheirOrder) {
    const auto basic = PageState::Basic;
    ExpectCases({
        {"Mode A", 253, 518, basic, true, {{K::KeyModeA}}},
        {"Mode A wins the shared column", 357, 530, basic, true, {{K::KeyModeA}}},
        {"Mode B", 358, 538, basic, true, {{K::KeyModeB}}},
        {"Mode B's right edge", 462, 530, basic, true, {kDrag}},
        {"key defaults", 411, 569, basic, true, {{K::KeyDefaults}}},
        {"box of button 1", 252, 199, basic, true, {{K::ToggleButtonList, 1}}},
        {"box of button 1, last pixel", 462, 219, basic, true, {{K::ToggleButtonList, 1}}},
        {"between boxes 1 and 2", 300, 221, basic, true, {kDrag}},
        {"box of button 2", 300, 222, basic, true, {{K::ToggleButtonList, 2}}},
        {"box of button 10", 300, 426, basic, true, {{K::ToggleButtonList, 10}}},
        {"report rate 125", 542, 204, basic, true, {{K::ReportRateSegment, 1}}},
        {"gap after 125", 612, 210, basic, true, {kDrag}},
        {"report rate 250", 614, 214, basic, true, {{K::ReportRateSegment, 2}}},
        {"report rate 1000", 827, 210, basic, true, {{K::ReportRateSegment, 4}}},
        {"DPI tick 1", 554, 541, basic, true, {{K::DpiTick, 1}}},
        {"DPI tick 4", 650, 556, basic, true, {{K::DpiTick, 4}}},
        {"DPI swatch 2", 581, 523, basic, true, {{K::DpiSwatch, 2}}},
        {"between two swatches", 579, 530, basic, true, {kDrag}},
        {"mode selector", 767, 330, basic, true, {{K::LightingSelector, 1}}},
        {"parameter selector", 850, 373, basic, true, {{K::LightingSelector, 2}}},
        {"effect selector", 800, 390, basic, true, {{K::LightingSelector, 3}}},
        {"level 1 of stage 1", 554, 500, basic, true, {{K::DpiLevel, 1, 1}}},
        {"level 12 of stage 1", 569, 302, basic, true, {{K::DpiLevel, 1, 12}}},
        {"level 9 of stage 4", 635, 356, basic, true, {{K::DpiLevel, 4, 9}}},
        {"between levels 1 and 2", 560, 498, basic, true, {kDrag}},
        {"above level 12", 560, 300, basic, true, {kDrag}},
        {"a macro button on the basic page", 520, 530, basic, true, {kDrag}},
    });
}

TEST(DispatchClickTest, AdvancedPageRowsInTheirOrder) {
    const auto advanced = PageState::Advanced;
    ExpectCases({
        {"precision tick", 51, 255, advanced, true, {{K::PrecisionTick}}},
        {"page-scroll tick", 66, 420, advanced, true, {{K::PageScrollTick}}},
        {"pointer Default", 38, 584, advanced, true, {{K::PointerDefaults}}},
        {"start recording", 735, 229, advanced, true, {{K::StartRecording}}},
        {"stop recording", 763, 293, advanced, true, {{K::StopRecording}}},
        {"New", 513, 528, advanced, true, {{K::NewMacro}}},
        {"New wins x = 617", 617, 540, advanced, true, {{K::NewMacro}}},
        {"Delete", 700, 540, advanced, true, {{K::DeleteMacro}}},
        {"Delete wins x = 721", 721, 540, advanced, true, {{K::DeleteMacro}}},
        {"Confirm", 825, 548, advanced, true, {{K::ConfirmMacro}}},
        {"insert-mouse-event box", 853, 415, advanced, true, {{K::ToggleInsertMouseEventList}}},
        {"speed slider position 1", 52, 200, advanced, true, {{K::PointerSlider, 1, 1}}},
        {"speed slider position 2", 76, 210, advanced, true, {{K::PointerSlider, 1, 2}}},
        {"double-click slider position 11", 315, 510, advanced, true, {{K::PointerSlider, 3, 11}}},
        {"below a slider row", 100, 211, advanced, true, {kDrag}},
        {"Mode A on the advanced page", 300, 530, advanced, true, {kDrag}},
        {"a button box on the advanced page", 300, 230, advanced, true, {kDrag}},
    });
}

OpenDropdowns AllOpen() {
    OpenDropdowns open;
    open.button_lists.fill(true);
    open.secondary_list = true;
    open.lighting_lists.fill(true);
    open.insert_mouse_event_list = true;
    return open;
}

TEST(DispatchClickTest, ABasicPageClickClosesTheListsItDoesNotTouch) {
    OpenDropdowns open;
    open.button_lists[1] = true;  // button 2
    open.button_lists[8] = true;  // button 9
    open.secondary_list = true;
    // Inside button 9's list area, which lies right of the boxes: button 2's list closes, the
    // secondary list closes once, button 9's list stays.
    EXPECT_EQ(Click(600, 150, PageState::Basic, true, open),
              (ClickActions{{K::CloseSecondaryList}, {K::CloseButtonList, 2}, kDrag}));
}

TEST(DispatchClickTest, ClickOnABoxKeepsItsListAndThoseWhoseAreaHoldsThePoint) {
    const OpenDropdowns open = AllOpen();
    // Box 3 lies inside the list areas of buttons 1 and 2 (their lists drop over it); the
    // secondary list goes with the first list that closes.
    ClickActions expected{{K::CloseButtonList, 4}, {K::CloseSecondaryList}};
    for (int k = 5; k <= kButtonCount; ++k) {
        expected.push_back({K::CloseButtonList, k});
    }
    for (int n : {1, 3, 2}) {
        expected.push_back({K::CloseLightingList, n});
    }
    expected.push_back({K::ToggleButtonList, 3});
    EXPECT_EQ(Click(300, 250, PageState::Basic, true, open), expected);
}

TEST(DispatchClickTest, EveryClickReachingTheBasicPageClosesTheSecondaryListOnce) {
    constexpr ClientRect kEndingControls[] = {kMinimiseArea, kCloseArea, kBasicTabArea,
                                              kAdvancedTabArea, kWebLinkArea};
    OpenDropdowns open;
    open.secondary_list = true;
    for (int x = 0; x < 880; x += 3) {
        for (int y = 0; y < 650; y += 3) {
            const ClientPoint p{x, y};
            if (std::ranges::any_of(kEndingControls, [p](ClientRect r) { return r.Contains(p); })) {
                continue;
            }
            const ClickActions actions = Click(x, y, PageState::Basic, true, open);
            EXPECT_EQ(std::ranges::count(actions, ClickAction{K::CloseSecondaryList}), 1)
                << "(" << x << ", " << y << ")";
        }
    }
}

TEST(DispatchClickTest, LightingListsCloseInTheOrderModeEffectParameter) {
    OpenDropdowns open;
    open.lighting_lists.fill(true);
    EXPECT_EQ(Click(100, 300, PageState::Basic, true, open),
              (ClickActions{{K::CloseLightingList, 1},
                            {K::CloseLightingList, 3},
                            {K::CloseLightingList, 2},
                            kDrag}));
    // The parameter selector lies under the mode list's area, so only the effect list closes;
    // the selector toggles its own list.
    EXPECT_EQ(Click(800, 365, PageState::Basic, true, open),
              (ClickActions{{K::CloseLightingList, 3}, {K::LightingSelector, 2}}));
    EXPECT_EQ(Click(800, 335, PageState::Basic, true, open),
              (ClickActions{
                  {K::CloseLightingList, 3}, {K::CloseLightingList, 2}, {K::LightingSelector, 1}}));
    // One pixel left of the selectors, inside the mode and parameter list areas.
    EXPECT_EQ(Click(766, 400, PageState::Basic, true, open),
              (ClickActions{{K::CloseLightingList, 3}, kDrag}));
}

TEST(DispatchClickTest, TheInsertMouseEventListClosesOnlyOnTheAdvancedPage) {
    OpenDropdowns open;
    open.insert_mouse_event_list = true;
    EXPECT_EQ(Click(100, 100, PageState::Advanced, true, open),
              (ClickActions{{K::CloseInsertMouseEventList}, kDrag}));
    EXPECT_EQ(Click(800, 500, PageState::Advanced, true, open), (ClickActions{kDrag}))
        << "inside its list area";
    EXPECT_EQ(Click(800, 410, PageState::Advanced, true, open),
              (ClickActions{{K::ToggleInsertMouseEventList}}))
        << "its box toggles it";
    EXPECT_EQ(Click(100, 100, PageState::Basic, true, AllOpen()).back(), kDrag);
    const ClickActions on_basic = Click(100, 100, PageState::Basic, true, open);
    EXPECT_EQ(on_basic, (ClickActions{kDrag}));
}

TEST(DispatchClickTest, ListsOnlyCloseWhenTheClickReachesThePage) {
    EXPECT_EQ(Click(830, 10, PageState::Basic, true, AllOpen()), (ClickActions{{K::Hide}}));
    EXPECT_EQ(Click(80, 60, PageState::Advanced, true, AllOpen()),
              (ClickActions{{K::ShowAdvancedPage}}));
    const ClickActions cancel = Click(800, 630, PageState::Advanced, true, AllOpen());
    EXPECT_EQ(cancel, (ClickActions{{K::Cancel}, {K::CloseInsertMouseEventList}, kDrag}));
}

}  // namespace
}  // namespace corvanti
