#pragma once

#include "assign/capture_dialogs.h"
#include "assign/win/list_choice_dialog.h"

namespace corvanti::assign {

// Picks one of the eleven application-launch and browser functions.
class CWindowsDialog : public ListChoiceDialog {
  public:
    // messages: where the dialog's failures go; null shows message boxes owned by the dialog.
    explicit CWindowsDialog(const SkinContext& context, UserMessages* messages = nullptr);

    // Read only after the dialog ended with OK.
    WindowsFunctionChoice result() const { return {choice_index(), choice_text()}; }
};

}  // namespace corvanti::assign
