#include "app/page_operations.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

using S = PageStep;

// Leaving the advanced page always takes the recording hook with it.
const PagePlan kRemoveAdvancedPage{S::DestroyAdvancedPageControls, S::RemoveRecordingHook};

PagePlan Then(PagePlan plan, std::initializer_list<PageStep> more) {
    plan.insert(plan.end(), more);
    return plan;
}

TEST(MainWindowPagesTest, TheFirstBasicPageSetsUpTheMouseOnceAndCaptionsOnAFirstRun) {
    MainWindowPages pages;
    pages.set_first_run_flag(0);
    EXPECT_EQ(pages.ShowBasicPage(),
              Then(kRemoveAdvancedPage,
                   {S::RefreshSensorBlock, S::WriteFirstRunCaptions, S::BuildBasicPage}));
    EXPECT_TRUE(pages.basic_page_built());
    EXPECT_EQ(pages.ShowAdvancedPage(),
              (PagePlan{S::DestroyBasicPageControls, S::BuildAdvancedPage}));
    EXPECT_EQ(pages.ShowBasicPage(), Then(kRemoveAdvancedPage, {S::BuildBasicPage}))
        << "the set-up belongs to the first build only";
    EXPECT_EQ(pages.RebuildCurrentPage(),
              Then({S::DestroyBasicPageControls},
                   {S::DestroyAdvancedPageControls, S::RemoveRecordingHook, S::BuildBasicPage}));
}

TEST(MainWindowPagesTest, ASavedProfileKeepsTheCaptions) {
    MainWindowPages pages;
    pages.set_first_run_flag(1);
    EXPECT_EQ(pages.ShowBasicPage(),
              Then(kRemoveAdvancedPage, {S::RefreshSensorBlock, S::BuildBasicPage}));
}

TEST(MainWindowPagesTest, ShowingTheShownPageDoesNothing) {
    MainWindowPages pages;
    pages.ShowBasicPage();
    EXPECT_TRUE(pages.ShowBasicPage().empty());
    pages.ShowAdvancedPage();
    EXPECT_TRUE(pages.ShowAdvancedPage().empty());
    EXPECT_EQ(pages.page(), PageState::Advanced);
}

TEST(MainWindowPagesTest, RebuildAndReloadTearDownTheShownPageAndBuildItAgain) {
    MainWindowPages pages;
    EXPECT_TRUE(pages.RebuildCurrentPage().empty()) << "no page built yet";
    EXPECT_TRUE(pages.ReloadCurrentPage().empty());
    EXPECT_EQ(pages.page(), PageState::None);

    pages.ShowBasicPage();
    EXPECT_EQ(pages.ReloadCurrentPage(),
              Then({S::DestroyBasicPageControls, S::RereadSettingsFile},
                   {S::DestroyAdvancedPageControls, S::RemoveRecordingHook, S::BuildBasicPage}));
    EXPECT_EQ(pages.page(), PageState::Basic);

    pages.ShowAdvancedPage();
    const PagePlan advanced_again =
        Then(kRemoveAdvancedPage, {S::DestroyBasicPageControls, S::BuildAdvancedPage});
    EXPECT_EQ(pages.RebuildCurrentPage(), advanced_again);
    EXPECT_EQ(pages.ReloadCurrentPage(), advanced_again)
        << "the advanced page shows no captions, so the settings file is not read";
    EXPECT_EQ(pages.page(), PageState::Advanced);
}

TEST(MainWindowPagesTest, TheFirstBasicPageMayFollowTheAdvancedOne) {
    MainWindowPages pages;
    pages.set_first_run_flag(1);
    EXPECT_EQ(pages.ShowAdvancedPage(),
              (PagePlan{S::DestroyBasicPageControls, S::BuildAdvancedPage}));
    EXPECT_FALSE(pages.basic_page_built());
    EXPECT_EQ(pages.ShowBasicPage(),
              Then(kRemoveAdvancedPage, {S::RefreshSensorBlock, S::BuildBasicPage}));
}

}  // namespace
}  // namespace corvanti
