#include "app/click_dispatch.h"

#include <gtest/gtest.h>

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

constexpr auto kBasic = PageState::Basic;
constexpr auto kAdvanced = PageState::Advanced;
constexpr ClickAction kDrag{K::WindowDrag};

ClickActions Click(int x, int y, PageState page, bool connected = true,
                   bool insert_list_open = false) {
    return DispatchClick({{x, y}, page, insert_list_open, connected});
}

// A click that reaches the basic page first lets the owners of its lists close those it
// misses.
ClickActions ReachingBasicPage(ClickActions before, ClickAction page_action) {
    before.push_back({K::CloseButtonListsOutside});
    before.push_back({K::CloseLightingListsOutside});
    before.push_back(page_action);
    return before;
}

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
    ExpectCases({
        {"OK alone", 600, 630, kAdvanced, true, {{K::Ok}, kDrag}},
        {"OK and Apply share x = 666", 666, 630, kAdvanced, true, {{K::Ok}, {K::Apply}, kDrag}},
        {"Apply alone", 700, 643, kAdvanced, true, {{K::Apply}, kDrag}},
        {"Apply and Cancel share x = 770",
         770,
         623,
         kAdvanced,
         true,
         {{K::Apply}, {K::Cancel}, kDrag}},
        {"Cancel's right edge is exclusive", 875, 630, kAdvanced, true, {kDrag}},
        {"skins", 701, 5, kAdvanced, true, {{K::SkinsDialog}, kDrag}},
        {"minimise", 842, 22, kBasic, true, {{K::Hide}}},
        {"close", 850, 5, kBasic, true, {{K::Exit}}},
        {"basic tab", 14, 54, kAdvanced, true, {{K::ShowBasicPage}}},
        {"advanced tab", 99, 93, kBasic, true, {{K::ShowAdvancedPage}}},
        {"web link", 246, 611, kBasic, true, {{K::OpenWebLink}}},
        {"web link bottom is exclusive", 300, 629, kAdvanced, true, {kDrag}},
        {"Apply and Cancel, then the basic page", 770, 630, kBasic, true,
         ReachingBasicPage({{K::Apply}, {K::Cancel}}, kDrag)},
    });
}

TEST(DispatchClickTest, OkAndApplyNeedTheMouseTheOthersDoNot) {
    ExpectCases({
        {"OK unplugged", 600, 630, kAdvanced, false, {kDrag}},
        {"OK and Apply unplugged", 666, 630, kAdvanced, false, {kDrag}},
        {"Apply and Cancel unplugged", 770, 630, kAdvanced, false, {{K::Cancel}, kDrag}},
        {"skins unplugged", 710, 10, kAdvanced, false, {{K::SkinsDialog}, kDrag}},
        {"close unplugged", 860, 10, kBasic, false, {{K::Exit}}},
        {"no page yet", 600, 630, PageState::None, true, {{K::Ok}, kDrag}},
        {"no page, no hotspot", 300, 300, PageState::None, true, {kDrag}},
    });
}

TEST(DispatchClickTest, BasicPageRowsInTheirOrder) {
    const struct {
        const char* what;
        int x;
        int y;
        ClickAction action;
    } cases[] = {
        {"Mode A", 253, 518, {K::KeyModeA}},
        {"Mode A wins the shared column", 357, 530, {K::KeyModeA}},
        {"Mode B", 358, 538, {K::KeyModeB}},
        {"Mode B's right edge", 462, 530, kDrag},
        {"key defaults", 411, 569, {K::KeyDefaults}},
        {"box of button 1", 252, 199, {K::ToggleButtonList, 1}},
        {"box of button 1, last pixel", 462, 219, {K::ToggleButtonList, 1}},
        {"between boxes 1 and 2", 300, 221, kDrag},
        {"box of button 2", 300, 222, {K::ToggleButtonList, 2}},
        {"box of button 10", 300, 426, {K::ToggleButtonList, 10}},
        {"report rate 125", 542, 204, {K::ReportRateSegment, 1}},
        {"gap after 125", 612, 210, kDrag},
        {"report rate 250", 614, 214, {K::ReportRateSegment, 2}},
        {"report rate 1000", 827, 210, {K::ReportRateSegment, 4}},
        {"DPI tick 1", 554, 541, {K::DpiTick, 1}},
        {"DPI tick 4", 650, 556, {K::DpiTick, 4}},
        {"DPI swatch 2", 581, 523, {K::DpiSwatch, 2}},
        {"between two swatches", 579, 530, kDrag},
        {"mode selector", 767, 330, {K::LightingSelector, 1}},
        {"parameter selector", 850, 373, {K::LightingSelector, 2}},
        {"effect selector", 800, 390, {K::LightingSelector, 3}},
        {"level 1 of stage 1", 554, 500, {K::DpiLevel, 1, 1}},
        {"level 12 of stage 1", 569, 302, {K::DpiLevel, 1, 12}},
        {"level 9 of stage 4, whatever the sensor", 635, 356, {K::DpiLevel, 4, 9}},
        {"between levels 1 and 2", 560, 498, kDrag},
        {"above level 12", 560, 300, kDrag},
        {"a macro button on the basic page", 520, 530, kDrag},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Click(c.x, c.y, kBasic), ReachingBasicPage({}, c.action))
            << c.what << " at (" << c.x << ", " << c.y << ")";
    }
}

TEST(DispatchClickTest, AdvancedPageRowsInTheirOrder) {
    ExpectCases({
        {"precision tick", 51, 255, kAdvanced, true, {{K::PrecisionTick}}},
        {"page-scroll tick", 66, 420, kAdvanced, true, {{K::PageScrollTick}}},
        {"pointer Default", 38, 584, kAdvanced, true, {{K::PointerDefaults}}},
        {"start recording", 735, 229, kAdvanced, true, {{K::StartRecording}}},
        {"stop recording", 763, 293, kAdvanced, true, {{K::StopRecording}}},
        {"New", 513, 528, kAdvanced, true, {{K::NewMacro}}},
        {"New wins x = 617", 617, 540, kAdvanced, true, {{K::NewMacro}}},
        {"Delete", 700, 540, kAdvanced, true, {{K::DeleteMacro}}},
        {"Delete wins x = 721", 721, 540, kAdvanced, true, {{K::DeleteMacro}}},
        {"Confirm", 825, 548, kAdvanced, true, {{K::ConfirmMacro}}},
        {"insert-mouse-event box", 853, 415, kAdvanced, true, {{K::ToggleInsertMouseEventList}}},
        {"speed slider position 1", 52, 200, kAdvanced, true, {{K::PointerSlider, 1, 1}}},
        {"speed slider position 2", 76, 210, kAdvanced, true, {{K::PointerSlider, 1, 2}}},
        {"double-click slider position 11", 315, 510, kAdvanced, true, {{K::PointerSlider, 3, 11}}},
        {"below a slider row", 100, 211, kAdvanced, true, {kDrag}},
        {"Mode A on the advanced page", 300, 530, kAdvanced, true, {kDrag}},
        {"a button box on the advanced page", 300, 230, kAdvanced, true, {kDrag}},
    });
}

TEST(DispatchClickTest, TheInsertMouseEventListClosesOnAnAdvancedPageClickOutsideIt) {
    const bool open = true;
    EXPECT_EQ(Click(100, 100, kAdvanced, true, open),
              (ClickActions{{K::CloseInsertMouseEventList}, kDrag}));
    EXPECT_EQ(Click(800, 500, kAdvanced, true, open), (ClickActions{kDrag}))
        << "inside its list area";
    EXPECT_EQ(Click(800, 410, kAdvanced, true, open),
              (ClickActions{{K::ToggleInsertMouseEventList}}))
        << "its box toggles it";
    EXPECT_EQ(Click(100, 100, kAdvanced, true, !open), (ClickActions{kDrag}));
    EXPECT_EQ(Click(100, 100, kBasic, true, open), ReachingBasicPage({}, kDrag));
}

TEST(DispatchClickTest, ListsOnlyCloseWhenTheClickReachesThePage) {
    const bool open = true;
    EXPECT_EQ(Click(830, 10, kAdvanced, true, open), (ClickActions{{K::Hide}}));
    EXPECT_EQ(Click(80, 60, kAdvanced, true, open), (ClickActions{{K::ShowAdvancedPage}}));
    EXPECT_EQ(Click(800, 630, kAdvanced, true, open),
              (ClickActions{{K::Cancel}, {K::CloseInsertMouseEventList}, kDrag}));
}

}  // namespace
}  // namespace corvanti
