#include "app/main_window_hover.h"

#include <gtest/gtest.h>

#include <ostream>

namespace corvanti {

void PrintTo(const HoverControlDraw& draw, std::ostream* out);
void PrintTo(const HoverControlDraw& draw, std::ostream* out) {
    *out << "{kind " << static_cast<int>(draw.control.kind) << " box " << draw.control.box
         << (draw.hot ? " hot}" : " normal}");
}

namespace {

using Draws = std::vector<HoverControlDraw>;

constexpr HoverControl kOk{HoverKind::Ok};
constexpr HoverControl kApply{HoverKind::Apply};
constexpr HoverControl kCancel{HoverKind::Cancel};
constexpr HoverControl kMinimise{HoverKind::Minimise};
constexpr HoverControl kBasicTab{HoverKind::BasicTab};
constexpr HoverControl kAdvancedTab{HoverKind::AdvancedTab};
constexpr HoverControl kNew{HoverKind::NewMacro};
constexpr HoverControl kDelete{HoverKind::DeleteMacro};
constexpr HoverControl kKeyDefaults{HoverKind::KeyDefaults};

constexpr HoverControl Box(int k) {
    return {HoverKind::DropdownBox, k};
}

constexpr ClientPoint kOnOk{600, 630};
constexpr ClientPoint kOnApply{700, 630};
constexpr ClientPoint kOnCancel{800, 630};
constexpr ClientPoint kNowhere{300, 120};
constexpr auto kBasic = PageState::Basic;
constexpr auto kAdvanced = PageState::Advanced;

TEST(MainWindowHoverTest, SlidingAlongOkApplyCancelKeepsOneLitThenLeavingRestoresIt) {
    MainWindowHover hover;
    const MainHoverStep moved = hover.OnMouseMove(kOnOk, kBasic);
    EXPECT_TRUE(moved.request_hover);
    EXPECT_TRUE(moved.draws.empty());
    EXPECT_EQ(hover.OnMouseHover(kOnOk, kBasic).draws, (Draws{{kOk, true}}));
    EXPECT_EQ(hover.OnMouseHover(kOnApply, kBasic).draws, (Draws{{kApply, true}, {kOk, false}}));
    EXPECT_EQ(hover.OnMouseHover(kOnCancel, kBasic).draws,
              (Draws{{kCancel, true}, {kApply, false}}));
    const MainHoverStep left = hover.OnMouseMove(kNowhere, kBasic);
    EXPECT_FALSE(left.request_hover);
    EXPECT_EQ(left.draws, (Draws{{kCancel, false}}));
    EXPECT_TRUE(hover.OnMouseMove(kNowhere, kBasic).draws.empty()) << "nothing left to restore";
}

TEST(MainWindowHoverTest, EachGroupSwapsItsOwnMembersOnly) {
    MainWindowHover hover;
    hover.OnMouseHover(kOnOk, kBasic);
    hover.OnMouseHover({20, 60}, kBasic);
    EXPECT_EQ(hover.OnMouseHover({70, 60}, kBasic).draws,
              (Draws{{kAdvancedTab, true}, {kBasicTab, false}}));
    EXPECT_EQ(hover.OnMouseHover({300, 205}, kBasic).draws, (Draws{{Box(1), true}}));
    EXPECT_EQ(hover.OnMouseHover({300, 230}, kBasic).draws,
              (Draws{{Box(2), true}, {Box(1), false}}));
    EXPECT_EQ(hover.OnMouseHover({830, 10}, kBasic).draws, (Draws{{kMinimise, true}}));
    // OK, the advanced tab, box 2 and minimise are still lit: leaving restores them in
    // table order.
    EXPECT_EQ(hover.OnMouseMove(kNowhere, kBasic).draws,
              (Draws{{kOk, false}, {kMinimise, false}, {kAdvancedTab, false}, {Box(2), false}}));
}

TEST(MainWindowHoverTest, SharedColumnsLightTheControlTestedFirst) {
    const struct {
        ClientPoint p;
        PageState page;
        HoverControl lit;
    } cases[] = {
        {{666, 630}, kBasic, kOk},          {{770, 630}, kBasic, kApply},
        {{617, 540}, kAdvanced, kNew},      {{721, 540}, kAdvanced, kDelete},
        {{307, 549}, kBasic, kKeyDefaults},
    };
    for (const auto& c : cases) {
        MainWindowHover hover;
        EXPECT_EQ(hover.OnMouseHover(c.p, c.page).draws, (Draws{{c.lit, true}}))
            << c.p.x << ", " << c.p.y;
    }
}

TEST(MainWindowHoverTest, PageControlsLightOnlyOnTheirPage) {
    const struct {
        ClientPoint p;
        PageState page;
    } absent[] = {
        {{320, 560}, kAdvanced},   // key defaults
        {{300, 205}, kAdvanced},   // box 1
        {{520, 540}, kBasic},      // "New"
        {{40, 590}, kBasic},       // pointer "Default"
        {kOnOk, PageState::None},  // no page is drawn yet
        {{300, 518}, kBasic},      // "Mode A" keeps the look of the chosen key mode
    };
    for (const auto& c : absent) {
        MainWindowHover hover;
        EXPECT_FALSE(hover.OnMouseMove(c.p, c.page).request_hover) << c.p.x << ", " << c.p.y;
        EXPECT_TRUE(hover.OnMouseHover(c.p, c.page).draws.empty()) << c.p.x << ", " << c.p.y;
    }
}

TEST(MainWindowHoverTest, ANewPageLeavesNoControlOfTheOldOneToRestore) {
    MainWindowHover hover;
    hover.OnMouseHover({520, 540}, kAdvanced);
    EXPECT_TRUE(hover.IsHot(kNew));
    hover.OnPageBuilt();
    EXPECT_FALSE(hover.IsHot(kNew));
    EXPECT_TRUE(hover.OnMouseMove(kNowhere, kBasic).draws.empty());
}

TEST(HoverStepDrawingTest, DrawsEachControlsImageAndLabelInItsNewState) {
    const LanguageTexts english(Language::English);
    ButtonCaptions captions;
    captions[1] = "Right Click";
    captions[13] = "Fire Key-L-Button";
    MainHoverStep step;
    step.draws = {{kApply, true}, {kOk, false}, {{HoverKind::Close}, true}, {Box(2), true}};

    const DrawList mode_b = HoverStepDrawing(step, {english, captions, KeyMode::B});
    const DrawList expected{
        DrawImage{"/button-over.png", 666, 623},
        DrawLabel{"Apply", {666, 623, 771, 644}, text_format::kCentred},
        DrawImage{"/button-normal.png", 562, 623},
        DrawLabel{"OK", {562, 623, 667, 644}, text_format::kCentred},
        DrawImage{"/button-close-over.png", 850, 5},
        DrawImage{"/DropdownBox-over.png", 252, 222},
        DrawLabel{"2", {252, 222, 272, 243}, text_format::kLeftMiddle},
        DrawLabel{"Fire Key-L-Button", {272, 222, 463, 243}, text_format::kLeftMiddle},
    };
    EXPECT_EQ(mode_b, expected);

    const DrawList mode_a =
        HoverStepDrawing({false, {{Box(2), false}}}, {english, captions, KeyMode::A});
    EXPECT_EQ(mode_a.back(),
              (DrawStep{DrawLabel{"Right Click", {272, 222, 463, 243}, text_format::kLeftMiddle}}));
    EXPECT_EQ(mode_a.front(), (DrawStep{DrawImage{"/DropdownBox-normal.png", 252, 222}}));
}

}  // namespace
}  // namespace corvanti
