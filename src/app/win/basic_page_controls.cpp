#include "app/win/basic_page_controls.h"

#include "app/win/child_windows.h"
#include "assign/dpi_function_list.h"
#include "profile/profile_record.h"
#include "settings/dpi_grid.h"
#include "settings/lighting_static_font.h"
#include "skin/win/dialog_font.h"

namespace corvanti::win {

namespace {

// The lighting texts stand centred both ways on their black ground.
constexpr DWORD kLightingStaticStyle = SS_CENTER | SS_CENTERIMAGE;
// The swatches show only their colour.
constexpr DWORD kSwatchStyle = SS_CENTER;
constexpr int kNoSelection = -1;

}  // namespace

void BasicPageControls::Attach(HWND parent, HFONT font, const FontSpec& font_spec) {
    parent_ = parent;
    font_ = font;
    font_spec_ = font_spec;
}

void BasicPageControls::Carry(const ButtonListOutcome& outcome) {
    if (outcome.destroy_list) {
        Destroy(*outcome.destroy_list);
    }
    if (outcome.destroy_dpi_list) {
        Destroy(kDpiFunctionListId);
    }
    if (outcome.create_list) {
        CreateList(*outcome.create_list);
    }
}

void BasicPageControls::Carry(const LightingOutcome& outcome) {
    if (outcome.destroy_list) {
        Destroy(*outcome.destroy_list);
    }
    for (const StaticText& text : outcome.create_statics) {
        CreateLightingStatic(text);
    }
    if (outcome.create_list) {
        CreateList(*outcome.create_list);
    }
    for (const StaticText& text : outcome.set_texts) {
        ShowLightingText(text);
    }
}

void BasicPageControls::CreateList(const ListBoxWindow& list) {
    Create(list.control_id, CreateListBox(parent_, list, font_));
}

void BasicPageControls::CreateSwatches() {
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        const int id = DpiSwatchId(stage);
        Create(id, CreateStaticText(parent_, id, DpiSwatchRect(stage), "", kSwatchStyle, font_));
    }
}

void BasicPageControls::CreateLightingStatic(const StaticText& text) {
    const LightingSelectorLayout* layout = LightingStaticLayout(text.control_id);
    if (layout == nullptr) {
        return;
    }
    Create(text.control_id, CreateStaticText(parent_, text.control_id, layout->static_rect,
                                             text.text, kLightingStaticStyle, font_));
    FitLightingFont(text.control_id, text.text);
}

void BasicPageControls::ShowLightingText(const StaticText& text) {
    HWND control = Find(text.control_id);
    if (control == nullptr) {
        return;
    }
    FitLightingFont(text.control_id, text.text);
    SetControlText(control, text.text);
}

void BasicPageControls::FitLightingFont(int control_id, const std::string& text) {
    HWND control = Find(control_id);
    if (control == nullptr) {
        return;
    }
    const std::vector<std::string> texts{text};
    const std::optional<FontSize> size = LightingStaticFontSize(
        control_id, font_spec_.height,
        [&](FontSize at) { return skin::MeasureInDialogFace(font_spec_.face, at, texts); });
    if (!size) {
        return;
    }
    UniqueFont fitted;
    if (*size != FontSize{font_spec_.height}) {
        fitted = skin::CreateDialogFaceFont(font_spec_.face, *size);
    }
    const HFONT shown = fitted ? fitted.get() : font_;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(shown), FALSE);
    // The static no longer draws with the font it had: that one may go now.
    fitted_fonts_[control_id] = std::move(fitted);
}

void BasicPageControls::Create(int control_id, UniqueWindow window) {
    controls_[control_id] = std::move(window);
}

void BasicPageControls::Destroy(int control_id) {
    controls_.erase(control_id);
    fitted_fonts_.erase(control_id);
}

void BasicPageControls::Destroy(const std::vector<int>& control_ids) {
    for (int id : control_ids) {
        Destroy(id);
    }
}

void BasicPageControls::DestroyAll() {
    controls_.clear();
    fitted_fonts_.clear();
}

HWND BasicPageControls::Find(int control_id) const {
    const auto found = controls_.find(control_id);
    return found == controls_.end() ? nullptr : found->second.get();
}

int BasicPageControls::Selection(int control_id) const {
    HWND list = Find(control_id);
    if (list == nullptr) {
        return kNoSelection;
    }
    return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
}

void BasicPageControls::Repaint(int control_id) const {
    if (HWND control = Find(control_id)) {
        InvalidateRect(control, nullptr, TRUE);
    }
}

}  // namespace corvanti::win
