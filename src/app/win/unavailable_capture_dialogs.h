#pragma once

#include "assign/capture_dialogs.h"

namespace corvanti::win {

// The capture dialogs while none are built into the program: each ends as if cancelled, so the
// button keeps its function and caption and its list closes.
class UnavailableCaptureDialogs final : public CaptureDialogs {
  public:
    std::optional<WindowsFunctionChoice> ChooseWindowsFunction() override { return {}; }
    std::optional<MultimediaChoice> ChooseMultimedia() override { return {}; }
    std::optional<FireKeyChoice> ChooseFireKey() override { return {}; }
    std::optional<SingleKeyChoice> ChooseSingleKey() override { return {}; }
    std::optional<ComboKeyChoice> ChooseComboKey() override { return {}; }
    std::optional<MacroKeyChoice> ChooseMacroKey() override { return {}; }
};

}  // namespace corvanti::win
