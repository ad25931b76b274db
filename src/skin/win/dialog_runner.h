#pragma once

#include <windows.h>

#include <functional>

#include "skin/win/skinned_dialog_frame.h"

namespace corvanti::skin {

// Runs one skinned dialog modally and returns its end code (1 OK, 2 Cancel, -1 when it could
// not be created). The program runs its dialogs from the templates in its resources, owned by
// the main window; tests substitute a scripted run.
using DialogRunner = std::function<INT_PTR(SkinnedDialogFrame&)>;

inline DialogRunner ModalFromResources(HWND owner, HINSTANCE instance) {
    return [owner, instance](SkinnedDialogFrame& dialog) { return dialog.Run(owner, instance); };
}

}  // namespace corvanti::skin
