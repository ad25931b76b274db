#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/rgb.h"

namespace corvanti {

// A skin and text colour as the skin dialog hands them back and the main window adopts them.
struct SkinSelection {
    std::string skin_directory;  // UTF-8, without a trailing separator
    std::string skin_name;       // the skin's folder name, stored as "Path" in str.ini
    Rgb text_colour;
    bool operator==(const SkinSelection&) const = default;
};

// The skin dialog's choice while it runs. It starts from the current skin directory and text
// colour; the name is taken only once the dialog has shown itself, so a dialog whose
// background could not be loaded hands back the current directory and an empty name.
class SkinDialogChoice {
  public:
    SkinDialogChoice(std::string skins_root, std::string current_directory, Rgb current_colour);

    // The dialog's background was loaded: the current skin's name becomes the choice.
    void OnShown(std::string current_name);
    // The skins the list offers, read from disk each time it opens.
    std::vector<std::string> ListEntries() const;
    // A list entry was chosen: its name becomes the choice, and the folder whose name matches
    // it (A-Z without regard to case) the directory; with no such folder (it vanished since
    // the list was read) the directory stays as it was.
    void OnSkinChosen(std::string name);
    // The colour chooser ended with OK.
    void OnColourChosen(Rgb colour) { selection_.text_colour = colour; }

    const SkinSelection& selection() const { return selection_; }

  private:
    std::string skins_root_;
    SkinSelection selection_;
};

// What the main window takes over when the skin dialog ended with OK. Nothing when the dialog
// could not show itself (no name): adopting that would store an empty skin name, and the next
// start would find no skin at all.
std::optional<SkinSelection> SkinToAdopt(const SkinSelection& ended_with_ok);

}  // namespace corvanti
