#include "assign/win/windows_capture_dialogs.h"

#include <utility>

#include "assign/win/combo_dialog.h"
#include "assign/win/fire_key_dialog.h"
#include "assign/win/media_dialog.h"
#include "assign/win/single_dialog.h"
#include "assign/win/windows_dialog.h"

namespace corvanti::assign {

namespace {

// A fresh dialog each time, never one holding the button's stored values.
template <typename Dialog>
auto RunForResult(const SkinContext& context, const skin::DialogRunner& run) {
    Dialog dialog(context);
    return skin::RunForResult(dialog, run);
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
