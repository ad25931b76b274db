#pragma once

#include <functional>
#include <optional>

#include "assign/capture_dialogs.h"
#include "skin/skin_context.h"
#include "skin/win/dialog_runner.h"

namespace corvanti::assign {

// The capture dialogs as the button assignment opens them: each runs modally through the
// runner (in the program: from its resources, owned by the main window) and hands back its
// result only when it ended with OK.
class WindowsCaptureDialogs final : public CaptureDialogs {
  public:
    using MacroKeyChooser = std::function<std::optional<MacroKeyChoice>()>;

    // context is read at every run, so a new skin, colour or language shows at once; it must
    // outlive this object. The macro key dialog belongs to the macros: choose_macro runs it,
    // and without one no macro is ever chosen.
    WindowsCaptureDialogs(const SkinContext& context, skin::DialogRunner run,
                          MacroKeyChooser choose_macro = {});

    std::optional<WindowsFunctionChoice> ChooseWindowsFunction() override;
    std::optional<MultimediaChoice> ChooseMultimedia() override;
    std::optional<FireKeyChoice> ChooseFireKey() override;
    std::optional<SingleKeyChoice> ChooseSingleKey() override;
    std::optional<ComboKeyChoice> ChooseComboKey() override;
    std::optional<MacroKeyChoice> ChooseMacroKey() override;

  private:
    const SkinContext& context_;
    skin::DialogRunner run_;
    MacroKeyChooser choose_macro_;
};

}  // namespace corvanti::assign
