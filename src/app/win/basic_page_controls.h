#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "app/startup_choices.h"
#include "assign/button_assignment.h"
#include "common/win/handle_owners.h"
#include "settings/lighting_panel.h"
#include "skin/list_box_window.h"

namespace corvanti::win {

// The child windows of the basic page, by control id: the ten function lists (41-50), the
// secondary DPI list (37), the lighting lists (63-65) and statics (80-82) and the DPI colour
// swatches (71-74). The page logic decides which exist; this carries its outcomes out. A
// lighting static whose text is wider than the static at the settings font shows it in a
// fitted smaller font of its own, which goes with the text or the static.
class BasicPageControls {
  public:
    // The window the controls are created on, their font and what it was made of; before any
    // other call.
    void Attach(HWND parent, HFONT font, const FontSpec& font_spec);

    // The list changes of a button assignment call, in their order; the drawing is the
    // caller's.
    void Carry(const ButtonListOutcome& outcome);
    void Carry(const LightingOutcome& outcome);

    void CreateList(const ListBoxWindow& list);
    // The swatch statics, painted in their stage colours when they ask for their colours.
    void CreateSwatches();
    void Destroy(int control_id);
    void Destroy(const std::vector<int>& control_ids);
    // The page is torn down.
    void DestroyAll();

    // Null when the control does not exist.
    HWND Find(int control_id) const;
    // A list's selection, -1 when it has none or does not exist.
    int Selection(int control_id) const;
    void Repaint(int control_id) const;

  private:
    void Create(int control_id, UniqueWindow window);
    void CreateLightingStatic(const StaticText& text);
    void ShowLightingText(const StaticText& text);
    // Gives an existing lighting static the font its text shows in full in.
    void FitLightingFont(int control_id, const std::string& text);

    HWND parent_ = nullptr;
    HFONT font_ = nullptr;
    FontSpec font_spec_;
    // Declared before the controls, so a static is gone before the font it draws with.
    std::map<int, UniqueFont> fitted_fonts_;
    std::map<int, UniqueWindow> controls_;
};

}  // namespace corvanti::win
