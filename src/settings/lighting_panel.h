#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/client_rect.h"
#include "profile/profile_record.h"
#include "settings/lighting_texts.h"
#include "skin/list_box_window.h"

namespace corvanti {

// The three selectors of the lighting panel, top to bottom.
enum class LightingSelector { Mode = 0, Parameter = 1, Effect = 2 };
inline constexpr std::size_t kLightingSelectorCount = 3;

// Each selector is a static text (centred, the user's text colour on black) with a click area
// that opens its list below it.
struct LightingSelectorLayout {
    LightingSelector selector;
    int static_id;
    ClientRect static_rect;
    ClientRect click_area;
    int list_id;
};

inline constexpr std::array<LightingSelectorLayout, kLightingSelectorCount> kLightingSelectors = {{
    {LightingSelector::Mode, 80, {767, 330, 835, 344}, {767, 330, 851, 344}, 63},
    {LightingSelector::Parameter, 81, {767, 360, 835, 374}, {767, 360, 851, 374}, 64},
    {LightingSelector::Effect, 82, {767, 390, 835, 404}, {767, 390, 851, 404}, 65},
}};

// The selector whose static has this id; null for any other control.
const LightingSelectorLayout* LightingStaticLayout(int control_id);

// The area of a selector's list; the parameter list's height follows the mode's choices.
ClientRect LightingListRect(LightingSelector selector, std::uint8_t mode);

struct StaticText {
    int control_id = 0;
    std::string text;
    bool operator==(const StaticText&) const = default;
};

// What the window carries out, in this order: destroy the list with that id (if its window
// exists), create the statics with their texts, create the list, set the texts of existing
// statics and repaint them.
struct LightingOutcome {
    std::optional<int> destroy_list;
    std::vector<StaticText> create_statics;
    std::optional<ListBoxWindow> create_list;
    std::vector<StaticText> set_texts;
};

// The lighting panel of the basic page: the texts it shows and its three lists. Choices edit
// only the working record.
class LightingPanel {
  public:
    LightingPanel(ProfileRecord& record, LightingTexts texts);

    // The page is built: the mode static always, the parameter and effect statics only for
    // modes 1-3, each showing what the record holds.
    LightingOutcome SetUpPage();

    // A click on a selector opens its list, or closes it when open.
    LightingOutcome ClickSelector(LightingSelector selector);

    // A selection in a selector's open list. A position outside the list leaves it open.
    LightingOutcome Choose(LightingSelector selector, int position);

    // A click on the page closes every open list whose list and selector it misses; the ids
    // of the lists to destroy, in the order mode, effect, parameter.
    std::vector<int> CloseListsOutside(ClientPoint click);

    // The page is left: every list goes.
    std::vector<int> CloseLists();

    bool IsOpen(LightingSelector selector) const;

  private:
    LightingOutcome Toggle(LightingSelector selector, std::vector<std::string> entries);
    LightingOutcome ClickEffectSelector();
    LightingOutcome ChooseMode(int position);
    LightingOutcome ChooseParameter(int position);
    LightingOutcome ChooseEffect(int position);
    // Closes the list after a choice and shows `texts` in the statics that exist.
    LightingOutcome Chosen(LightingSelector selector, std::vector<StaticText> texts);
    std::vector<StaticText> DetailTexts(std::uint8_t standard_effect) const;
    void SetOpen(LightingSelector selector, bool open);

    ProfileRecord& record_;
    LightingTexts texts_;
    std::array<bool, kLightingSelectorCount> open_{};
    // The parameter and effect statics exist only once a mode other than off was shown.
    bool detail_statics_exist_ = false;
};

}  // namespace corvanti
