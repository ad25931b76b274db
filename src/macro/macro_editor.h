#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_messages.h"
#include "macro/delay_entry.h"
#include "macro/macro_messages.h"
#include "macro/macro_store.h"
#include "macro/recording_filter.h"
#include "macro/recording_hook.h"
#include "profile/profile_record.h"

namespace corvanti {

// The macro half of the advanced page: the macro list, the selected macro's event list, the
// name and loop-count edits, recording and the insert-mouse-event list. The window turns
// notifications into these calls and then shows the lists and texts below; messages go
// through `messages` while the call runs. One editor lives as long as the main window, so
// what a recording leaves behind (the started flag, the last key-down) outlives the page.
class MacroEditor {
  public:
    MacroEditor(const MacroStore& store, ProfileRecord& record, RecordingHook& hook,
                UserMessages& messages, MacroPageTexts texts);

    const std::vector<std::string>& macro_names() const { return macros_; }
    std::optional<std::size_t> selected_macro() const { return selected_macro_; }
    const std::vector<std::string>& events() const { return events_; }
    std::optional<std::size_t> selected_event() const { return selected_event_; }
    const std::string& name_text() const { return name_text_; }
    const std::string& loop_count_text() const { return loop_count_text_; }
    // The last chosen mouse event (static 119).
    const std::string& chosen_mouse_event() const { return chosen_mouse_event_; }
    bool mouse_event_list_open() const { return mouse_event_list_open_; }

    // The page is built: lists and edits from record.ini, the first macro selected.
    void SetUpPage();
    // The page goes away: the hook is removed and the mouse-event list closed.
    void LeavePage();

    // Macro list selection (none when the list reports no selection).
    void SelectMacro(std::optional<std::size_t> index);
    void SetNameText(std::string_view text);
    // Loop counts outside 1-65535 (empty text is 0) become "1"; the value goes to the block
    // of the selected macro.
    void SetLoopCountText(std::string_view text);
    void NewMacro();
    void DeleteMacro();
    void ConfirmMacro();

    // True when recording has begun: the window then shows the recording hint as its title.
    bool StartRecording();
    void StopRecording();
    // Whether the hook hands this keyboard message on, and as what.
    std::optional<KeyTransition> FilterHookKey(const HookKeyEvent& event) const;
    // WM_USER+3: a recorded key went down (0) or up (1).
    void OnRecordedKey(std::uintptr_t transition, std::string_view key_name);
    // While recording, key-downs must not reach the page's controls.
    bool SwallowsKeyDown() const { return hook_.IsInstalled(); }

    void ToggleMouseEventList();
    void CloseMouseEventList();
    // An entry of the insert-mouse-event list (kMouseEventEntries) was chosen.
    void ChooseMouseEvent(std::size_t entry);

    // The event list's selection, which follows the pointer.
    void SelectEvent(std::optional<std::size_t> index);
    // A double-click on a delay opens the delay dialog; on a key event nothing happens.
    bool OpensDelayDialog(std::size_t index) const;
    void ReplaceDelay(std::size_t index, const DelayEntry& entry);
    // The context menu's "Delete".
    void DeleteSelectedEvent();

  private:
    void Show(std::string_view text, std::string_view caption);
    void ShowSaveOutcome(MacroSaveOutcome outcome);
    void AddEvent(std::string item);
    bool Lists(std::string_view name) const;

    const MacroStore& store_;
    ProfileRecord& record_;
    RecordingHook& hook_;
    UserMessages& messages_;
    MacroPageTexts texts_;

    std::vector<std::string> macros_;
    std::optional<std::size_t> selected_macro_;
    std::vector<std::string> events_;
    std::optional<std::size_t> selected_event_;
    std::string name_text_;
    std::string loop_count_text_;
    std::string chosen_mouse_event_;
    bool mouse_event_list_open_ = false;

    bool recording_started_ = false;
    bool first_event_added_ = false;
    std::string last_key_down_;
};

}  // namespace corvanti
