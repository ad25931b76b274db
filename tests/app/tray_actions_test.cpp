#include "app/tray_actions.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvanti {
namespace {

TEST(TrayClickFor, OpensOnLeftUpAndDoubleClickMenusOnRightUpIgnoresTheRest) {
    const struct {
        std::int64_t message;
        TrayClick click;
    } cases[] = {
        {0x200, TrayClick::Nothing},     // mouse move
        {0x201, TrayClick::Nothing},     // left button down
        {0x202, TrayClick::OpenWindow},  // left button up
        {0x203, TrayClick::OpenWindow},  // left double click
        {0x204, TrayClick::Nothing},     // right button down
        {0x205, TrayClick::ShowMenu},    // right button up
        {0x206, TrayClick::Nothing},       {0x207, TrayClick::Nothing},
        {0x402, TrayClick::Nothing},       {-1, TrayClick::Nothing},
        {0x100000202, TrayClick::Nothing},  // a message with bits above the low word
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrayClickFor(c.message), c.click) << std::hex << c.message;
    }
}

WindowOpening Opening(bool send_not_detected, bool clear_reload, PageReload reload, bool show_basic,
                      bool show_window) {
    return {send_not_detected, clear_reload, reload, show_basic, show_window};
}

TEST(PlanWindowOpening, FollowsConnectionReloadFlagAndFirstBuild) {
    const struct {
        WindowOpeningState state;
        WindowOpening opening;
    } cases[] = {
        // Not connected: only the not-detected balloon, whatever else is pending.
        {{false, true, PageState::Basic, true},
         Opening(true, false, PageReload::None, false, false)},
        {{false, false, PageState::None, false},
         Opening(true, false, PageReload::None, false, false)},
        // First opening after a start with the mouse: the basic page is built once.
        {{true, false, PageState::None, false},
         Opening(false, false, PageReload::None, true, true)},
        {{true, false, PageState::Basic, true},
         Opening(false, false, PageReload::None, false, true)},
        // After Cancel the current page is rebuilt; no page yet means nothing to rebuild, and
        // the reload takes the place of the first build.
        {{true, true, PageState::Basic, true},
         Opening(false, true, PageReload::Basic, false, true)},
        {{true, true, PageState::Advanced, true},
         Opening(false, true, PageReload::Advanced, false, true)},
        {{true, true, PageState::None, false}, Opening(false, true, PageReload::None, false, true)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlanWindowOpening(c.state), c.opening)
            << "connected " << c.state.connected << " reload " << c.state.reload_on_show << " page "
            << static_cast<int>(c.state.page) << " built " << c.state.basic_page_built;
    }
}

TEST(PageStepsOfOpening, BuildsTheFirstBasicPageOrReloadsTheShownOne) {
    MainWindowPages pages;
    const auto plan_for = [&pages](bool reload_on_show) {
        return PageStepsOfOpening(
            PlanWindowOpening({true, reload_on_show, pages.page(), pages.basic_page_built()}),
            pages);
    };
    EXPECT_EQ(plan_for(false).back(), PageStep::BuildBasicPage);
    EXPECT_TRUE(pages.basic_page_built());
    EXPECT_TRUE(plan_for(false).empty()) << "a later opening only shows the window";

    const PagePlan after_cancel = plan_for(true);
    EXPECT_EQ(after_cancel.front(), PageStep::DestroyBasicPageControls);
    EXPECT_NE(std::ranges::find(after_cancel, PageStep::RereadSettingsFile), after_cancel.end());
    EXPECT_EQ(after_cancel.back(), PageStep::BuildBasicPage);

    pages.ShowAdvancedPage();
    EXPECT_EQ(plan_for(true).back(), PageStep::BuildAdvancedPage);
    EXPECT_EQ(pages.page(), PageState::Advanced);
}

}  // namespace
}  // namespace corvanti
