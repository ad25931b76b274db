#pragma once

#include <span>
#include <string_view>

namespace corvanti {

// The eight secondary dialogs that share the skinned frame.
enum class SkinDialogKind {
    kSingleKey,
    kWindowsFunction,
    kMultimedia,
    kFireKey,
    kMacroKey,
    kComboKey,
    kDelayTime,
    kSkins,
};

struct SkinDialogInfo {
    SkinDialogKind kind;
    int template_id;
    // Appended to the skin directory; sets the dialog's size.
    std::string_view background_image;
    // Caption of the "error" box shown when the background cannot be loaded.
    std::string_view load_failure_caption;
};

// The text of the box shown when a dialog's background cannot be loaded.
inline constexpr std::string_view kBackgroundFailureText = "error";

std::span<const SkinDialogInfo> SkinDialogTable();
const SkinDialogInfo& SkinDialogInfoOf(SkinDialogKind kind);

}  // namespace corvanti
