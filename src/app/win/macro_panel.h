#pragma once

#include <windows.h>

#include "app/click_dispatch.h"

namespace corvanti::win {

// The macro half of the advanced page (the macro list, the event list, the name and loop-count
// edits, the mouse-event text and its insert list, the recorder). It lives as long as the main
// window; the window hands it the page's build and teardown, the messages of its controls and
// the clicks the dispatch gives it.
class MacroPanel {
  public:
    virtual ~MacroPanel() = default;

    // The advanced page was drawn: create the panel's controls on the main window (given to
    // the panel when it is made) and fill them.
    virtual void Create() = 0;
    // The page is torn down: destroy the controls and lists, remove the recorder's hook.
    virtual void Destroy() = 0;
    // WM_COMMAND of the panel's controls (149-152, 154) and of the event list's menu (32772);
    // false when the command is not the panel's.
    virtual bool OnCommand(int id, int notification) = 0;
    // A click on the panel: StartRecording, StopRecording, NewMacro, DeleteMacro,
    // ConfirmMacro, ToggleInsertMouseEventList or CloseInsertMouseEventList.
    virtual void OnClick(ClickActionKind action) = 0;
    // A key the recorder's hook reports (WM_USER+3): wParam 0 it went down, 1 it went up.
    virtual void OnRecorderKey(WPARAM transition) = 0;

    // A recording runs: key presses must not reach the window.
    virtual bool recording() const = 0;
    virtual bool insert_mouse_event_list_open() const = 0;
};

// The advanced page without its macro half: the pointer settings work, the macro area stays
// as the background shows it.
class EmptyMacroPanel final : public MacroPanel {
  public:
    void Create() override {}
    void Destroy() override {}
    bool OnCommand(int, int) override { return false; }
    void OnClick(ClickActionKind) override {}
    void OnRecorderKey(WPARAM) override {}
    bool recording() const override { return false; }
    bool insert_mouse_event_list_open() const override { return false; }
};

}  // namespace corvanti::win
