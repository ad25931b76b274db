#pragma once

#include <windows.h>

#include <string>

#include "assign/fire_key_entry.h"
#include "skin/win/skinned_dialog_frame.h"

namespace corvanti::assign {

// Configures a fire key: the key or mouse button from a drop-down list (scrolled by the
// wheel), the speed checked when its box loses the focus and the count checked on every
// change. Enter and Escape keep their standard meaning.
class CFireKeyDialog : public skin::SkinnedDialogFrame {
  public:
    // messages: where the dialog's failures go; null shows message boxes owned by the dialog.
    explicit CFireKeyDialog(const SkinContext& context, UserMessages* messages = nullptr);

    // Read only after the dialog ended with OK.
    const FireKeyChoice& result() const { return entry_.choice(); }

  protected:
    void SetLanguageTexts(Language language) override;
    bool CreateControls() override;
    void DrawOwn(HDC dc) override;
    std::vector<std::string> ListEntries() override;
    void OnListChoice(int index, const std::string& text) override;
    INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled) override;

  private:
    bool OnBoxNotification(int id, WORD notification);
    void CheckSpeed();
    void CheckCount();

    std::string speed_label_;
    std::string count_label_;
    std::string speed_explanation_;
    std::string count_explanation_;
    HWND speed_box_ = nullptr;
    HWND count_box_ = nullptr;
    FireKeyEntry entry_;
};

}  // namespace corvanti::assign
