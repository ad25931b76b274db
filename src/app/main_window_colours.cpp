#include "app/main_window_colours.h"

#include <cstddef>

#include "app/main_window_controls.h"
#include "settings/dpi_grid.h"
#include "settings/lighting_panel.h"

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
    return control_id == kMouseEventTextId || LightingStaticLayout(control_id) != nullptr;
}

std::optional<std::size_t> SwatchStage(int control_id) {
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        if (control_id == DpiSwatchId(stage)) {
            return stage;
        }
    }
    return std::nullopt;
}

MainChildColours StaticColours(int control_id, std::uint32_t text, const ProfileRecord& working) {
    if (const std::optional<std::size_t> stage = SwatchStage(control_id)) {
        return {{}, {}, false, ColourValue(working.dpi_colour(*stage))};
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
            // A list box fills each item's line with the text background, not the brush: the
            // two must agree, or the lines show white under the text.
            if (IsMacroEditorList(control_id)) {
                return MainChildColours{text, kMacroListGround, false, kMacroListGround};
            }
            return MainChildColours{kWhite, kBlack, true, kBlack};
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
