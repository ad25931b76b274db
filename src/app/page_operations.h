#pragma once

#include <cstdint>
#include <vector>

namespace corvanti {

// Which page the main window shows: none yet, the basic settings page or the advanced one.
enum class PageState { None = 0, Basic = 1, Advanced = 2 };

// What the window carries out, in order, to change or rebuild its page.
enum class PageStep {
    // The child controls and dropdown lists of the basic page (button lists, the secondary DPI
    // list, the lighting lists and statics, the swatch statics), with their open flags.
    DestroyBasicPageControls,
    // The macro editor's controls and the insert-mouse-event list, with its open flag.
    DestroyAdvancedPageControls,
    // A recording in progress must not outlive the page that shows it.
    RemoveRecordingHook,
    // Read the button captions and skin values of the settings file again.
    RereadSettingsFile,
    // The one-time set-up of the first basic page in a run: read the sensor block (its
    // sensor type drives the DPI grid and texts), mark it and write it back.
    RefreshSensorBlock,
    // config.bin was never saved by the program: reset the 24 button captions to their
    // first-run defaults and write them to the settings file.
    WriteFirstRunCaptions,
    BuildBasicPage,
    BuildAdvancedPage,
};

using PagePlan = std::vector<PageStep>;

// The page state of the main window and the rules for moving between pages. Each operation
// updates the state and returns the steps that make the window match it.
class MainWindowPages {
  public:
    PageState page() const { return page_; }
    // The first build of the basic page (and its one-time set-up) has happened.
    bool basic_page_built() const { return basic_page_built_; }

    // The first-run flag of config.bin as loaded; 0 means the program never saved it.
    void set_first_run_flag(std::uint8_t flag) { first_run_flag_ = flag; }

    // Nothing when the basic page is already shown.
    PagePlan ShowBasicPage();
    // Nothing when the advanced page is already shown.
    PagePlan ShowAdvancedPage();
    // Builds the shown page anew (after a skin change); nothing when no page is built.
    PagePlan RebuildCurrentPage();
    // As RebuildCurrentPage, for an opening after Cancel: the basic page then shows the
    // captions of the settings file again.
    PagePlan ReloadCurrentPage();

  private:
    PagePlan Show(PageState target);  // the basic or the advanced page
    PagePlan Rebuild(bool reread_settings);
    void TearDown(PagePlan& plan) const;
    void AppendFirstBuildSetUp(PagePlan& plan);

    PageState page_ = PageState::None;
    bool basic_page_built_ = false;
    // Until the profile is loaded nothing may overwrite the user's captions.
    std::uint8_t first_run_flag_ = 1;
};

}  // namespace corvanti
