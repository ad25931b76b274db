#pragma once

#include <optional>

namespace corvanti {

// Whose choice a list notification of the basic page is, by the list's id.
enum class ListChoiceOwner {
    ButtonFunctions,  // a button's function list, 41-52
    DpiFunctions,     // the secondary DPI list beside it, 37
    Lighting,         // the lighting lists, 63-65
};

// List-box notifications the main window hears from its lists.
inline constexpr int kListSelectionChange = 1;
inline constexpr int kListDoubleClick = 2;

// Which part takes the notification `notification` of list `control_id` as a choice: a
// selection change of every list above, a double click only of the function lists of buttons
// 1-8 and of the lighting lists. Nothing for any other list or notification.
std::optional<ListChoiceOwner> ListChoiceOwnerOf(int control_id, int notification);

}  // namespace corvanti
