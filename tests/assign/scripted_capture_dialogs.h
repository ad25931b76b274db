#pragma once

#include <optional>
#include <string>
#include <vector>

#include "assign/capture_dialogs.h"

namespace corvanti::testing {

// Capture dialogs whose answers a test sets beforehand: an empty answer stands for Cancel.
// Every dialog that runs is noted by name, in order.
class ScriptedCaptureDialogs : public CaptureDialogs {
  public:
    std::optional<WindowsFunctionChoice> windows_function;
    std::optional<MultimediaChoice> multimedia;
    std::optional<FireKeyChoice> fire_key;
    std::optional<SingleKeyChoice> single_key;
    std::optional<ComboKeyChoice> combo_key;
    std::optional<MacroKeyChoice> macro_key;
    std::vector<std::string> runs;

    std::optional<WindowsFunctionChoice> ChooseWindowsFunction() override {
        return Run("windows", windows_function);
    }
    std::optional<MultimediaChoice> ChooseMultimedia() override {
        return Run("multimedia", multimedia);
    }
    std::optional<FireKeyChoice> ChooseFireKey() override { return Run("fire key", fire_key); }
    std::optional<SingleKeyChoice> ChooseSingleKey() override {
        return Run("single key", single_key);
    }
    std::optional<ComboKeyChoice> ChooseComboKey() override { return Run("combo key", combo_key); }
    std::optional<MacroKeyChoice> ChooseMacroKey() override { return Run("macro key", macro_key); }

  private:
    template <typename Choice>
    std::optional<Choice> Run(const char* name, const std::optional<Choice>& answer) {
        runs.emplace_back(name);
        return answer;
    }
};

}  // namespace corvanti::testing
