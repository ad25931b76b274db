#include "settings/lighting_static_font.h"

#include "settings/lighting_panel.h"

namespace corvanti {

namespace {

// A static has no edge and no margin: its text may take its whole width.
DropdownRoom StaticTextRoom(ClientRect static_rect) {
    return {static_rect.Width(), std::nullopt, 1};
}

}  // namespace

std::optional<FontSize> LightingStaticFontSize(
    int control_id, int settings_font_height,
    const std::function<EntriesExtent(FontSize size)>& measure_text) {
    const LightingSelectorLayout* layout = LightingStaticLayout(control_id);
    if (layout == nullptr) {
        return std::nullopt;
    }
    return FittingFontSize(settings_font_height, StaticTextRoom(layout->static_rect), measure_text);
}

}  // namespace corvanti
