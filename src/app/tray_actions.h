#pragma once

#include <cstdint>

#include "app/page_operations.h"

namespace corvanti {

// What a mouse message on the tray icon asks for.
enum class TrayClick { Nothing, OpenWindow, ShowMenu };

// `mouse_message` is the lParam of the tray callback: left button up (514) and left double
// click (515) open the window, right button up (517) shows the menu, everything else is
// ignored.
TrayClick TrayClickFor(std::int64_t mouse_message);

struct WindowOpeningState {
    bool connected = false;
    bool reload_on_show = false;  // set by Cancel
    PageState page = PageState::None;
    bool basic_page_built = false;  // the first build of the basic page has happened
};

// How the current page is rebuilt when the window opens after a Cancel
// (MainWindowPages::ReloadCurrentPage carries it out).
enum class PageReload {
    None,
    Basic,     // re-read the settings file, then rebuild the basic page
    Advanced,  // rebuild the advanced page; the settings file is not read
};

// The steps of opening the main window from the tray, in the order they run.
struct WindowOpening {
    bool send_not_detected = false;  // instead of everything below
    bool clear_reload_on_show = false;
    PageReload reload = PageReload::None;
    bool show_basic_page = false;  // the very first build of the basic page
    bool show_window = false;      // bring to the foreground and show
    bool operator==(const WindowOpening&) const = default;
};

WindowOpening PlanWindowOpening(const WindowOpeningState& state);

// The page steps an opening takes: the reload after a Cancel or the very first basic page.
PagePlan PageStepsOfOpening(const WindowOpening& opening, MainWindowPages& pages);

}  // namespace corvanti
