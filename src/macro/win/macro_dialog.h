#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "assign/capture_dialogs.h"
#include "macro/macro_key_dialog_layout.h"
#include "macro/macro_store.h"
#include "skin/win/dialog_runner.h"
#include "skin/win/skinned_dialog_frame.h"

namespace corvanti::macro {

// The macro key dialog: the user picks one of the stored macros that has a block and one of
// the three repeat modes. Every run starts with mode 1, index 0 and no name.
class CMacroDialog : public skin::SkinnedDialogFrame {
  public:
    // messages: where load failures go; null shows message boxes owned by the dialog.
    CMacroDialog(const SkinContext& context, const MacroStore& store,
                 UserMessages* messages = nullptr);

    // Read after the dialog ended with OK: index and name of the chosen macro (0 and empty
    // when none was chosen) and the repeat mode 1-3.
    MacroKeyChoice result() const;
    int repeat_mode() const { return repeat_mode_; }

  protected:
    void SetLanguageTexts(Language language) override;
    bool CreateControls() override;
    void DrawOwn(HDC dc) override;
    std::vector<std::string> ListEntries() override;
    void OnOwnClick(ClientPoint p) override;

  private:
    void DrawWrapped(HDC dc, const std::string& text, ClientRect area);

    const MacroStore& store_;
    std::string prompt_;
    std::vector<std::string> mode_texts_;
    int repeat_mode_ = kInitialRepeatMode;
};

// Runs the dialog over the macros stored now; the choice when it ended with OK. The button
// assignment's capture dialogs take this as their macro key chooser.
std::optional<MacroKeyChoice> ChooseMacroKey(const SkinContext& context, const MacroStore& store,
                                             const skin::DialogRunner& run);

}  // namespace corvanti::macro
