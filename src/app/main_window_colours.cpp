#include "app/main_window_colours.h"

#include <algorithm>

#include "app/main_window_controls.h"
#include "app/main_window_layout.h"

namespace corvanti {

namespace {

constexpr std::uint32_t ColourValue(Rgb colour) {
    return static_cast<std::uint32_t>(colour.red) | static_cast<std::uint32_t>(colour.green) << 8 |
           static_cast<std::uint32_t>(colour.blue) << 16;
}

constexpr std::uint32_t kBlack = ColourValue({0, 0, 0});
constexpr std::uint32_t kWhite = ColourValue({255, 255, 255});
constexpr std::uint32_t kMacroListGround = ColourValue({14, 15, 14});
constexpr std::uint32_t kStaticGround = ColourValue({100, 150, 100});

bool IsMacroEditorList(int control_id) {
    return control_id == kMacroListId || control_id == kEventListId;
}

// Lighting texts and the chosen mouse event.
bool IsBlackGroundStatic(int control_id) {
    return std::ranges::find(kLightingTextIds, control_id) != std::end(kLightingTextIds) ||
           control_id == kMouseEventTextId;
}

std::optional<int> SwatchStage(int control_id) {
    for (int k = 1; k <= kDpiStages; ++k) {
        if (control_id == DpiSwatchId(k)) {
            return k;
        }
    }
    return std::nullopt;
}

MainChildColours StaticColours(int control_id, std::uint32_t text, const ProfileRecord& working) {
    if (const std::optional<int> stage = SwatchStage(control_id)) {
        return {
            {}, {}, false, ColourValue(working.dpi_colour(static_cast<std::size_t>(*stage - 1)))};
    }
    if (IsBlackGroundStatic(control_id)) {
        return {text, kBlack, true, kBlack};
    }
    return {text, kStaticGround, true, kStaticGround};
}

}  // namespace

std::optional<MainChildColours> MainWindowChildColours(ChildKind kind, int control_id,
                                                       Rgb text_colour,
                                                       const ProfileRecord& working) {
    const std::uint32_t text = ColourValue(text_colour);
    switch (kind) {
        case ChildKind::kEdit:
            return MainChildColours{text, {}, false, kBlack};
        case ChildKind::kListBox:
            if (IsMacroEditorList(control_id)) {
                return MainChildColours{text, {}, false, kMacroListGround};
            }
            return MainChildColours{kWhite, {}, true, kBlack};
        case ChildKind::kButton:
            return MainChildColours{};
        case ChildKind::kStatic:
            return StaticColours(control_id, text, working);
        case ChildKind::kOther:
            break;
    }
    return std::nullopt;
}

}  // namespace corvanti
