#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "assign/capture_dialog_layouts.h"
#include "skin/win/skinned_dialog_frame.h"

namespace corvanti::assign {

// A dialog that offers one drop-down list and hands back the chosen entry: its position and
// its text in the dialog's language. It starts at the first entry whatever the button held
// before; Enter and Escape keep their standard meaning and the wheel does not scroll the list.
class ListChoiceDialog : public skin::SkinnedDialogFrame {
  public:
    using EntriesInLanguage = std::vector<std::string> (*)(Language language);

  protected:
    ListChoiceDialog(SkinDialogKind kind, const ListChoiceLayout& layout,
                     EntriesInLanguage entries_in, const SkinContext& context,
                     UserMessages* messages);

    void SetLanguageTexts(Language language) override;
    std::vector<std::string> ListEntries() override { return entries_; }

  private:
    EntriesInLanguage entries_in_;
    std::vector<std::string> entries_;
};

}  // namespace corvanti::assign
