#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/language_texts.h"
#include "app/settings_file.h"
#include "assign/button_list_state.h"
#include "assign/capture_dialogs.h"
#include "common/client_rect.h"
#include "common/user_messages.h"
#include "profile/key_function.h"
#include "profile/profile_record.h"
#include "skin/draw_list.h"
#include "skin/list_box_window.h"

namespace corvanti {

// What the window carries out after a call, in this order: destroy the function list with
// that id (if its window exists), destroy the secondary DPI list (id 37, if it exists), create
// the new function list, then draw in one drawing cycle.
struct ButtonListOutcome {
    std::optional<int> destroy_list;
    bool destroy_dpi_list = false;
    std::optional<ListBoxWindow> create_list;
    DrawList draw;
};

// The key page's button assignment: the ten function lists, the choice of a function for a
// button in the key mode shown, the two key-mode buttons and the key defaults. It edits the
// working record and the button captions; the window only creates and destroys the lists,
// runs the dialogs behind `CaptureDialogs` and draws.
class ButtonAssignment {
  public:
    ButtonAssignment(ProfileRecord& record, ButtonCaptions& captions, const LanguageTexts& texts,
                     CaptureDialogs& dialogs, UserMessages& messages);

    // A click in the dropdown box of button 1-10: closes its list when open, else closes any
    // other list and opens this one, unless the button holds the key mode's only Left Click
    // (then the user is warned and the list stays closed).
    ButtonListOutcome ToggleList(int button);

    // A selection change (or double click) in the open function list; `selection` is that
    // list's current selection, -1 for none. No selection and "DPI Switch" leave the list
    // open; any other entry is taken (after its dialog, where it has one) and closes it.
    ButtonListOutcome ChooseFunction(int selection);

    // A selection in the secondary DPI list: position 0-3 gives the open list's button the
    // DPI function 1-4 ("DPI +" ... "Shift DPI") and closes both lists.
    ButtonListOutcome ChooseDpiFunction(int position);

    // A click on the key page: the open list closes unless the click lands in its box or
    // area; the secondary DPI list always closes.
    ButtonListOutcome CloseListsOutside(ClientPoint click);

    // The page is torn down: every list goes.
    ButtonListOutcome CloseLists();

    // "Mode A" or "Mode B": the key mode shown and edited from now on.
    DrawList ShowKeyMode(KeyMode mode);

    // The key "Default": the default layout in both key modes with its captions.
    DrawList DefaultKeys();

    const ButtonListState& lists() const { return lists_; }

  private:
    bool HoldsOnlyLeftClick(std::size_t slot, KeyMode mode) const;
    bool ShiftTaken(KeyMode mode) const;
    void ApplyChoice(std::size_t slot, FunctionType type);
    void AssignShift(std::size_t slot, KeyMode mode);
    void StoreFunction(std::size_t slot, KeyMode mode, FunctionType type,
                       const std::string& caption);
    ButtonListOutcome CloseChosenList(std::size_t slot);

    ProfileRecord& record_;
    ButtonCaptions& captions_;
    const LanguageTexts& texts_;
    CaptureDialogs& dialogs_;
    UserMessages& messages_;
    ButtonListState lists_;
};

}  // namespace corvanti
