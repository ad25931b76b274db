#pragma once

#include <optional>
#include <string>

#include "skin/skin_context.h"
#include "skin/skin_dialog_choice.h"
#include "skin/win/dialog_runner.h"
#include "skin/win/skins_dialog.h"

namespace corvanti::skin {

// What the main window's skins control needs: the skin dialog run in the current skin, and
// what to adopt from it. Empty after Cancel, the close cross, or a dialog that could not show
// itself. The caller then takes the directory, name and colour as the current ones, writes the
// colour and name to the settings file, clears the decoded-image cache and rebuilds its page.
// executable_path (UTF-8) locates the skins folder beside the program; messages: where the
// dialog's failures go (null: message boxes owned by the dialog).
std::optional<SkinSelection> RunSkinSelection(
    const DialogRunner& run, const SkinContext& context, const std::string& skin_name,
    const std::string& executable_path, ColourChooser choose_colour = ChooseColourWithSystemChooser,
    UserMessages* messages = nullptr);

}  // namespace corvanti::skin
