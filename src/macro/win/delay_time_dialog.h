#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "macro/delay_entry.h"
#include "skin/win/dialog_runner.h"
#include "skin/win/skinned_dialog_frame.h"

namespace corvanti::macro {

// The delay time dialog: a digits-only edit for a new delay. It accepts any text, empty or
// out of range; the caller applies the 20-10000 ms range.
class CDelayTimeDialog : public skin::SkinnedDialogFrame {
  public:
    // messages: where load failures go; null shows message boxes owned by the dialog.
    explicit CDelayTimeDialog(const SkinContext& context, UserMessages* messages = nullptr);

    // Read after the dialog ended with OK: the digits as typed and their value (0 when empty).
    const DelayEntry& result() const { return entry_; }

  protected:
    void SetLanguageTexts(Language language) override;
    bool CreateControls() override;
    void DrawOwn(HDC dc) override;
    INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled) override;

  private:
    void OnEditChanged();

    std::string prompt_;
    std::string range_hint_;
    HWND edit_ = nullptr;
    DelayEntry entry_;
};

// Runs the dialog; what was typed when it ended with OK.
std::optional<DelayEntry> AskDelayTime(const SkinContext& context, const skin::DialogRunner& run);

}  // namespace corvanti::macro
