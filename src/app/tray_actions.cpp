#include "app/tray_actions.h"

namespace corvanti {
namespace {

constexpr std::int64_t kLeftButtonUp = 0x202;
constexpr std::int64_t kLeftButtonDoubleClick = 0x203;
constexpr std::int64_t kRightButtonUp = 0x205;

PageReload ReloadFor(PageState page) {
    switch (page) {
        case PageState::Basic:
            return PageReload::Basic;
        case PageState::Advanced:
            return PageReload::Advanced;
        case PageState::None:
            break;
    }
    return PageReload::None;
}

}  // namespace

TrayClick TrayClickFor(std::int64_t mouse_message) {
    switch (mouse_message) {
        case kLeftButtonUp:
        case kLeftButtonDoubleClick:
            return TrayClick::OpenWindow;
        case kRightButtonUp:
            return TrayClick::ShowMenu;
        default:
            return TrayClick::Nothing;
    }
}

WindowOpening PlanWindowOpening(const WindowOpeningState& state) {
    WindowOpening opening;
    if (!state.connected) {
        opening.send_not_detected = true;
        return opening;
    }
    if (state.reload_on_show) {
        opening.clear_reload_on_show = true;
        opening.reload = ReloadFor(state.page);
    } else if (!state.basic_page_built) {
        opening.show_basic_page = true;
    }
    opening.show_window = true;
    return opening;
}

PagePlan PageStepsOfOpening(const WindowOpening& opening, MainWindowPages& pages) {
    if (opening.reload != PageReload::None) {
        return pages.ReloadCurrentPage();
    }
    if (opening.show_basic_page) {
        return pages.ShowBasicPage();
    }
    return {};
}

}  // namespace corvanti
