#include "app/list_notifications.h"

#include "assign/button_geometry.h"
#include "assign/dpi_function_list.h"
#include "profile/profile_record.h"
#include "settings/lighting_panel.h"

namespace corvanti {

namespace {

struct ListChoiceRow {
    int first_id;
    int last_id;
    bool takes_double_click;
    ListChoiceOwner owner;
};

// The function lists of slots 10 and 11 never open, but a choice from them is still taken.
constexpr int kLastButtonListId = kButtonListIdBase + static_cast<int>(kSlotsPerArray);
constexpr int kLastDoubleClickButtonListId = kButtonListIdBase + 8;

constexpr ListChoiceRow kListChoices[] = {
    {kButtonListIdBase + 1, kLastDoubleClickButtonListId, true, ListChoiceOwner::ButtonFunctions},
    {kLastDoubleClickButtonListId + 1, kLastButtonListId, false, ListChoiceOwner::ButtonFunctions},
    {kDpiFunctionListId, kDpiFunctionListId, false, ListChoiceOwner::DpiFunctions},
    {kLightingSelectors.front().list_id, kLightingSelectors.back().list_id, true,
     ListChoiceOwner::Lighting},
};

}  // namespace

std::optional<ListChoiceOwner> ListChoiceOwnerOf(int control_id, int notification) {
    for (const ListChoiceRow& row : kListChoices) {
        if (control_id < row.first_id || control_id > row.last_id) {
            continue;
        }
        if (notification == kListSelectionChange ||
            (notification == kListDoubleClick && row.takes_double_click)) {
            return row.owner;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace corvanti
