#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/click_dispatch.h"
#include "app/macro_page_commands.h"
#include "app/win/macro_panel.h"
#include "macro/delay_entry.h"
#include "macro/macro_editor.h"
#include "macro/win/key_recorder.h"

namespace corvanti::macro {

// The macro half of the advanced page on the main window: the name and loop-count edits
// (150, 149), the macro and event lists (151, 152), the chosen mouse event (119), the
// insert-mouse-event list (154) and the recorder's keyboard hook. The editor decides; this
// turns the window's messages into editor calls and shows the editor's state in the controls.
// It lives as long as the main window, so a recording's last key-down outlives the page.
class MacroPagePanel final : public win::MacroPanel {
  public:
    // Asks for a new delay; what was typed when the delay dialog ended with OK.
    using DelayAsker = std::function<std::optional<DelayEntry>()>;

    // window: the main window, which hosts the controls, receives the recorder's keys
    // (WM_USER+3) and shows the recording hint as its title. working: the working profile
    // record, whose loop counts and macro blocks the page edits.
    MacroPagePanel(HWND window, const MacroStore& store, ProfileRecord& working,
                   UserMessages& messages, MacroPageTexts texts, DelayAsker ask_delay);
    MacroPagePanel(const MacroPagePanel&) = delete;
    MacroPagePanel& operator=(const MacroPagePanel&) = delete;

    // The advanced page was built: the controls are created (unless they exist) and filled
    // from record.ini.
    void Create() override;
    // The page is torn down: the controls and the insert list go, the hook is removed.
    void Destroy() override;
    // WM_COMMAND of the page's controls and of the event list's menu; false when it is not
    // the panel's.
    bool OnCommand(int id, int notification) override;
    // A click the dispatch hands to the macro page (recording, New, Delete, Confirm and the
    // insert-mouse-event list); other actions are ignored.
    void OnClick(ClickActionKind action) override;
    // WM_USER+3 from the recorder's hook: wParam 0 a key went down, 1 it went up.
    void OnRecorderKey(WPARAM transition) override;

    // While the hook is installed every key-down must be kept from the page's controls.
    bool recording() const override { return editor_.SwallowsKeyDown(); }
    bool insert_mouse_event_list_open() const override;

  private:
    // What the controls show, so only what the editor changed is set again.
    struct Shown {
        std::vector<std::string> macros;
        std::optional<std::size_t> selected_macro;
        std::vector<std::string> events;
        std::optional<std::size_t> selected_event;
        std::string name;
        std::string loop_count;
        std::string mouse_event;
    };

    bool created() const;
    void Carry(MacroPageCommand command);
    void TakeEventSelection();
    void AskForDelay();
    void ChooseMouseEvent();
    void Show();
    void ShowText(HWND control, std::string& shown, const std::string& wanted);
    void ShowList(HWND list, std::vector<std::string>& shown,
                  const std::vector<std::string>& wanted,
                  std::optional<std::size_t>& shown_selection,
                  std::optional<std::size_t> wanted_selection);
    void ShowMouseEventList();

    HWND window_;
    KeyRecorder recorder_;
    MacroEditor editor_;
    std::string recording_hint_;
    DelayAsker ask_delay_;

    HWND name_edit_ = nullptr;
    HWND loop_count_edit_ = nullptr;
    HWND macro_list_ = nullptr;
    HWND event_list_ = nullptr;
    HWND mouse_event_text_ = nullptr;
    HWND mouse_event_list_ = nullptr;
    Shown shown_;
    // Setting a control's text makes it notify at once; those echoes are not the user's edits.
    bool showing_ = false;
};

}  // namespace corvanti::macro
