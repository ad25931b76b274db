#include "macro/win/macro_page_panel.h"

#include <algorithm>
#include <array>
#include <utility>

#include "app/main_window_controls.h"
#include "app/main_window_layout.h"
#include "common/text_encoding.h"
#include "common/win/window_checks.h"
#include "macro/mouse_event_insertion.h"
#include "skin/win/child_control.h"

namespace corvanti::macro {

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;

struct ControlRow {
    HWND MacroPagePanel::*handle;
    int id;
    const wchar_t* class_name;
    DWORD style;
    ClientRect area;
};

constexpr LRESULT kNoSelection = LB_ERR;

std::optional<std::size_t> ListSelection(HWND list) {
    const LRESULT selection = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return selection == kNoSelection
               ? std::nullopt
               : std::optional<std::size_t>(static_cast<std::size_t>(selection));
}

void SelectEntry(HWND list, std::optional<std::size_t> entry) {
    // -1 clears the selection.
    SendMessageW(list, LB_SETCURSEL, entry ? static_cast<WPARAM>(*entry) : static_cast<WPARAM>(-1),
                 0);
}

void AddEntry(HWND list, const std::string& entry) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(entry).c_str()));
}

void DestroyControl(HWND& control) {
    if (win::WindowExists(control)) {
        DestroyWindow(control);
    }
    control = nullptr;
}

}  // namespace

MacroPagePanel::MacroPagePanel(HWND window, const MacroStore& store, ProfileRecord& working,
                               UserMessages& messages, MacroPageTexts texts, DelayAsker ask_delay)
    : window_(window),
      recorder_(window, [this](const HookKeyEvent& event) { return editor_.FilterHookKey(event); }),
      editor_(store, working, recorder_, messages, texts),
      recording_hint_(std::move(texts.recording_hint)),
      ask_delay_(std::move(ask_delay)) {}

bool MacroPagePanel::created() const {
    return win::WindowExists(macro_list_);
}

bool MacroPagePanel::insert_mouse_event_list_open() const {
    return editor_.mouse_event_list_open() || win::WindowExists(mouse_event_list_);
}

void MacroPagePanel::Create() {
    if (created()) {
        return;
    }
    // The controls in the order the page lists them; the insert list opens on demand.
    const std::array<ControlRow, 5> rows{{
        {&MacroPagePanel::name_edit_, kMacroNameEditId, L"EDIT", kChildStyle | ES_CENTER,
         kMacroNameEditArea},
        {&MacroPagePanel::loop_count_edit_, kLoopCountEditId, L"EDIT",
         kChildStyle | ES_NUMBER | ES_CENTER, kLoopCountEditArea},
        {&MacroPagePanel::macro_list_, kMacroListId, L"LISTBOX", kChildStyle | LBS_NOTIFY,
         kMacroListArea},
        {&MacroPagePanel::event_list_, kEventListId, L"LISTBOX", kChildStyle | LBS_NOTIFY,
         kEventListArea},
        {&MacroPagePanel::mouse_event_text_, kMouseEventTextId, L"STATIC",
         kChildStyle | SS_CENTER | SS_CENTERIMAGE, kMouseEventTextArea},
    }};
    for (const ControlRow& row : rows) {
        this->*row.handle =
            skin::CreateChildControl(window_, row.class_name, "", row.style, row.area, row.id);
    }
    shown_ = Shown{};
    editor_.SetUpPage();
    Show();
}

void MacroPagePanel::Destroy() {
    editor_.LeavePage();
    for (HWND* control : {&name_edit_, &loop_count_edit_, &macro_list_, &event_list_,
                          &mouse_event_text_, &mouse_event_list_}) {
        DestroyControl(*control);
    }
    shown_ = Shown{};
}

bool MacroPagePanel::OnCommand(int id, int notification) {
    const std::optional<MacroPageCommand> command = MacroPageCommandOf(id, notification);
    if (!command || !created()) {
        return false;
    }
    if (!showing_) {
        Carry(*command);
        Show();
    }
    return true;
}

void MacroPagePanel::Carry(MacroPageCommand command) {
    // The event list's selection follows the pointer without telling anyone.
    TakeEventSelection();
    switch (command) {
        case MacroPageCommand::NameEdited:
            shown_.name = skin::ChildText(name_edit_);
            editor_.SetNameText(shown_.name);
            return;
        case MacroPageCommand::LoopCountEdited:
            shown_.loop_count = skin::ChildText(loop_count_edit_);
            editor_.SetLoopCountText(shown_.loop_count);
            return;
        case MacroPageCommand::MacroChosen:
            shown_.selected_macro = ListSelection(macro_list_);
            editor_.SelectMacro(shown_.selected_macro);
            return;
        case MacroPageCommand::EventChosen:
            return;
        case MacroPageCommand::EventDoubleClick:
            AskForDelay();
            return;
        case MacroPageCommand::MouseEventChosen:
            ChooseMouseEvent();
            return;
        case MacroPageCommand::DeleteEvent:
            editor_.DeleteSelectedEvent();
            return;
    }
}

void MacroPagePanel::TakeEventSelection() {
    shown_.selected_event = ListSelection(event_list_);
    editor_.SelectEvent(shown_.selected_event);
}

void MacroPagePanel::AskForDelay() {
    const std::optional<std::size_t> index = editor_.selected_event();
    if (!index || !editor_.OpensDelayDialog(*index)) {
        return;
    }
    if (const std::optional<DelayEntry> entry = ask_delay_()) {
        editor_.ReplaceDelay(*index, *entry);
    }
}

void MacroPagePanel::ChooseMouseEvent() {
    const HWND list = std::exchange(mouse_event_list_, nullptr);
    if (!win::WindowExists(list)) {
        return;
    }
    if (const std::optional<std::size_t> entry = ListSelection(list)) {
        editor_.ChooseMouseEvent(*entry);
    }
    editor_.CloseMouseEventList();
    // The list is still inside the click that chose the entry: it goes once that is done.
    ShowWindow(list, SW_HIDE);
    PostMessageW(list, WM_CLOSE, 0, 0);
}

void MacroPagePanel::OnClick(ClickActionKind action) {
    if (!created()) {
        return;
    }
    TakeEventSelection();
    switch (action) {
        case ClickActionKind::StartRecording:
            if (editor_.StartRecording()) {
                SetWindowTextW(window_, Utf8ToWide(recording_hint_).c_str());
            }
            break;
        case ClickActionKind::StopRecording:
            editor_.StopRecording();
            break;
        case ClickActionKind::NewMacro:
            editor_.NewMacro();
            break;
        case ClickActionKind::DeleteMacro:
            editor_.DeleteMacro();
            break;
        case ClickActionKind::ConfirmMacro:
            editor_.ConfirmMacro();
            break;
        case ClickActionKind::ToggleInsertMouseEventList:
            editor_.ToggleMouseEventList();
            break;
        case ClickActionKind::CloseInsertMouseEventList:
            editor_.CloseMouseEventList();
            break;
        default:
            return;
    }
    Show();
}

void MacroPagePanel::OnRecorderKey(WPARAM transition) {
    if (!created()) {
        return;
    }
    TakeEventSelection();
    editor_.OnRecordedKey(transition, recorder_.current_key_name());
    Show();
}

void MacroPagePanel::Show() {
    showing_ = true;
    ShowList(macro_list_, shown_.macros, editor_.macro_names(), shown_.selected_macro,
             editor_.selected_macro());
    ShowList(event_list_, shown_.events, editor_.events(), shown_.selected_event,
             editor_.selected_event());
    ShowText(name_edit_, shown_.name, editor_.name_text());
    ShowText(loop_count_edit_, shown_.loop_count, editor_.loop_count_text());
    ShowText(mouse_event_text_, shown_.mouse_event, editor_.chosen_mouse_event());
    ShowMouseEventList();
    showing_ = false;
}

void MacroPagePanel::ShowText(HWND control, std::string& shown, const std::string& wanted) {
    if (shown != wanted) {
        skin::ShowChildText(control, wanted);
        shown = wanted;
    }
}

void MacroPagePanel::ShowList(HWND list, std::vector<std::string>& shown,
                              const std::vector<std::string>& wanted,
                              std::optional<std::size_t>& shown_selection,
                              std::optional<std::size_t> wanted_selection) {
    // A recording only appends: the entries already shown stay.
    const bool appended =
        wanted.size() >= shown.size() && std::equal(shown.begin(), shown.end(), wanted.begin());
    if (!appended) {
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        shown.clear();
        shown_selection.reset();
    }
    for (std::size_t i = shown.size(); i < wanted.size(); ++i) {
        AddEntry(list, wanted[i]);
    }
    shown = wanted;
    if (shown_selection != wanted_selection) {
        SelectEntry(list, wanted_selection);
        shown_selection = wanted_selection;
    }
}

void MacroPagePanel::ShowMouseEventList() {
    const bool exists = win::WindowExists(mouse_event_list_);
    if (editor_.mouse_event_list_open() == exists) {
        return;
    }
    if (exists) {
        DestroyControl(mouse_event_list_);
        return;
    }
    mouse_event_list_ =
        skin::CreateChildControl(window_, L"LISTBOX", "", kChildStyle | WS_BORDER | LBS_NOTIFY,
                                 kInsertMouseEventDropdown.list_area, kInsertMouseEventListId);
    for (std::string_view entry : kMouseEventEntries) {
        AddEntry(mouse_event_list_, std::string(entry));
    }
}

}  // namespace corvanti::macro
