#include "skin/win/skin_selection.h"

#include <utility>

#include "skin/frame_layout.h"
#include "skin/skin_folders.h"

namespace corvanti::skin {

std::optional<SkinSelection> RunSkinSelection(const DialogRunner& run, const SkinContext& context,
                                              const std::string& skin_name,
                                              const std::string& executable_path,
                                              ColourChooser choose_colour, UserMessages* messages) {
    CSkinsDialog dialog(context, skin_name, SkinsRootOf(executable_path), std::move(choose_colour),
                        messages);
    if (run(dialog) != kDialogOk) {
        return std::nullopt;
    }
    return SkinToAdopt(dialog.result());
}

}  // namespace corvanti::skin
