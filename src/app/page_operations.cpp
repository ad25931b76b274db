#include "app/page_operations.h"

namespace corvanti {

namespace {

constexpr std::uint8_t kNeverSavedFlag = 0;

void Append(PagePlan& plan, const PagePlan& more) {
    plan.insert(plan.end(), more.begin(), more.end());
}

}  // namespace

// The page state names the page being shown, so the teardown removes the other one.
void MainWindowPages::TearDown(PagePlan& plan) const {
    switch (page_) {
        case PageState::Basic:
            plan.push_back(PageStep::DestroyAdvancedPageControls);
            plan.push_back(PageStep::RemoveRecordingHook);
            break;
        case PageState::Advanced:
            plan.push_back(PageStep::DestroyBasicPageControls);
            break;
        case PageState::None:
            break;
    }
}

void MainWindowPages::AppendFirstBuildSetUp(PagePlan& plan) {
    if (basic_page_built_) {
        return;
    }
    plan.push_back(PageStep::RefreshSensorBlock);
    if (first_run_flag_ == kNeverSavedFlag) {
        plan.push_back(PageStep::WriteFirstRunCaptions);
    }
    basic_page_built_ = true;
}

PagePlan MainWindowPages::Show(PageState target) {
    PagePlan plan;
    if (page_ == target) {
        return plan;
    }
    page_ = target;
    TearDown(plan);
    if (target == PageState::Basic) {
        AppendFirstBuildSetUp(plan);
        plan.push_back(PageStep::BuildBasicPage);
    } else {
        plan.push_back(PageStep::BuildAdvancedPage);
    }
    return plan;
}

PagePlan MainWindowPages::ShowBasicPage() {
    return Show(PageState::Basic);
}

PagePlan MainWindowPages::ShowAdvancedPage() {
    return Show(PageState::Advanced);
}

// The rebuild passes through the other page's state so that the teardown removes the shown
// page, and through None so that showing the page again is not a no-op.
PagePlan MainWindowPages::Rebuild(bool reread_settings) {
    PagePlan plan;
    switch (page_) {
        case PageState::Basic:
            page_ = PageState::Advanced;
            TearDown(plan);
            if (reread_settings) {
                plan.push_back(PageStep::RereadSettingsFile);
            }
            page_ = PageState::None;
            Append(plan, ShowBasicPage());
            break;
        case PageState::Advanced:
            page_ = PageState::Basic;
            TearDown(plan);
            page_ = PageState::None;
            Append(plan, ShowAdvancedPage());
            break;
        case PageState::None:
            break;
    }
    return plan;
}

PagePlan MainWindowPages::RebuildCurrentPage() {
    return Rebuild(false);
}

PagePlan MainWindowPages::ReloadCurrentPage() {
    return Rebuild(true);
}

}  // namespace corvanti
