#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <type_traits>

#include "skin/frame_layout.h"
#include "skin/win/skinned_dialog_frame.h"

namespace corvanti::skin {

// Runs one skinned dialog modally and returns its end code (1 OK, 2 Cancel, -1 when it could
// not be created). The program runs its dialogs from the templates in its resources, owned by
// the main window; tests substitute a scripted run.
using DialogRunner = std::function<INT_PTR(SkinnedDialogFrame&)>;

inline DialogRunner ModalFromResources(HWND owner, HINSTANCE instance) {
    return [owner, instance](SkinnedDialogFrame& dialog) { return dialog.Run(owner, instance); };
}

// Runs a freshly made dialog and hands back its result() only when it ended with OK: every
// run starts from the dialog's defaults, never from a previous run.
template <typename Dialog>
auto RunForResult(Dialog& dialog, const DialogRunner& run) {
    using Result = std::decay_t<decltype(dialog.result())>;
    if (run(dialog) != kDialogOk) {
        return std::optional<Result>();
    }
    return std::optional<Result>(dialog.result());
}

}  // namespace corvanti::skin
