#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "skin/skin_dialog_choice.h"
#include "skin/win/skinned_dialog_frame.h"

namespace corvanti::skin {

// Asks the user for a colour; empty when the user cancelled.
using ColourChooser = std::function<std::optional<Rgb>(HWND owner)>;

// The system's colour chooser with its default flags and no initial colour. The custom
// colours the user mixes are kept for the rest of the run.
std::optional<Rgb> ChooseColourWithSystemChooser(HWND owner);

// Picks the skin, from the folders found under the skins folder each time the list opens, and
// the text colour, from the colour chooser behind the swatch. It shows itself in the current
// skin; the new colour shows only in the swatch until the dialog is opened again. Enter and
// Escape keep their standard meaning; the wheel scrolls the open list.
class CSkinsDialog : public SkinnedDialogFrame {
  public:
    // context: the current skin directory, text colour and language; skin_name: the current
    // skin's name; skins_root: the folder whose subfolders are the skins. messages: where the
    // dialog's failures go; null shows message boxes owned by the dialog.
    CSkinsDialog(const SkinContext& context, std::string skin_name, std::string skins_root,
                 ColourChooser choose_colour = ChooseColourWithSystemChooser,
                 UserMessages* messages = nullptr);

    // Read only after the dialog ended with OK.
    const SkinSelection& result() const { return choice_.selection(); }

  protected:
    void SetLanguageTexts(Language language) override;
    bool CreateControls() override;
    void DrawOwn(HDC dc) override;
    std::vector<std::string> ListEntries() override { return choice_.ListEntries(); }
    void OnListChoice(int index, const std::string& text) override;
    void OnOwnClick(ClientPoint p) override;
    HBRUSH OnChildColour(HDC dc, HWND child, ChildKind kind) override;

  private:
    std::string current_name_;
    ColourChooser choose_colour_;
    SkinDialogChoice choice_;
    std::string colour_prompt_;
    HWND swatch_ = nullptr;
    win::UniqueBrush swatch_brush_;
};

}  // namespace corvanti::skin
