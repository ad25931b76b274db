#include "assign/win/windows_capture_dialogs.h"

#include <type_traits>
#include <utility>

#include "assign/win/combo_dialog.h"
#include "assign/win/fire_key_dialog.h"
#include "assign/win/media_dialog.h"
#include "assign/win/single_dialog.h"
#include "assign/win/windows_dialog.h"
#include "skin/frame_layout.h"

namespace corvanti::assign {

namespace {

// A fresh dialog each time: every run starts from the defaults, never from the button's stored
// values or the previous run. Its result is read only when it ended with OK.
template <typename Dialog>
auto RunForResult(const SkinContext& context, const skin::DialogRunner& run) {
    Dialog dialog(context);
    using Result = std::decay_t<decltype(dialog.result())>;
    if (run(dialog) != kDialogOk) {
        return std::optional<Result>();
    }
    return std::optional<Result>(dialog.result());
}

}  // namespace

WindowsCaptureDialogs::WindowsCaptureDialogs(const SkinContext& context, skin::DialogRunner run,
                                             MacroKeyChooser choose_macro)
    : context_(context), run_(std::move(run)), choose_macro_(std::move(choose_macro)) {}

std::optional<WindowsFunctionChoice> WindowsCaptureDialogs::ChooseWindowsFunction() {
    return RunForResult<CWindowsDialog>(context_, run_);
}

std::optional<MultimediaChoice> WindowsCaptureDialogs::ChooseMultimedia() {
    return RunForResult<CMediaDialog>(context_, run_);
}

std::optional<FireKeyChoice> WindowsCaptureDialogs::ChooseFireKey() {
    return RunForResult<CFireKeyDialog>(context_, run_);
}

std::optional<SingleKeyChoice> WindowsCaptureDialogs::ChooseSingleKey() {
    return RunForResult<CSingleDialog>(context_, run_);
}

std::optional<ComboKeyChoice> WindowsCaptureDialogs::ChooseComboKey() {
    return RunForResult<CComboDialog>(context_, run_);
}

std::optional<MacroKeyChoice> WindowsCaptureDialogs::ChooseMacroKey() {
    return choose_macro_ ? choose_macro_() : std::nullopt;
}

}  // namespace corvanti::assign
