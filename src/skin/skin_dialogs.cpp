#include "skin/skin_dialogs.h"

#include <array>

namespace corvanti {

namespace {

constexpr std::array<SkinDialogInfo, 8> kSkinDialogs{{
    {SkinDialogKind::kSingleKey, 701, "/single-key.png",
     "Single Key Dialog Load background image failed!!!"},
    {SkinDialogKind::kWindowsFunction, 702, "/windows-key.png",
     "Windows Dialog Load background image failed!!!"},
    {SkinDialogKind::kMultimedia, 703, "/media-key.png",
     "Media Dialog Load background image failed!!!"},
    {SkinDialogKind::kFireKey, 704, "/fire-key.png",
     "FireKey Dialog Load background image failed!!!"},
    {SkinDialogKind::kMacroKey, 705, "/macro-key.png",
     "Macro Key Dialog Load background image failed!!!"},
    {SkinDialogKind::kComboKey, 706, "/combo-key.png",
     "Combo Dialog Load background image failed!!!"},
    {SkinDialogKind::kDelayTime, 707, "/delay-time.png",
     "DelayTime Dialog Load background image failed!!!"},
    {SkinDialogKind::kSkins, 708, "/skins.png", "Skins Dialog Load background image failed!!!"},
}};

}  // namespace

std::span<const SkinDialogInfo> SkinDialogTable() {
    return kSkinDialogs;
}

const SkinDialogInfo& SkinDialogInfoOf(SkinDialogKind kind) {
    for (const SkinDialogInfo& info : kSkinDialogs) {
        if (info.kind == kind) {
            return info;
        }
    }
    return kSkinDialogs.front();
}

}  // namespace corvanti
