#include "app/macro_page_commands.h"

#include "app/list_notifications.h"
#include "app/main_window_controls.h"

namespace corvanti {

namespace {

struct MacroCommandRow {
    int control_id;
    int notification;
    MacroPageCommand command;
};

constexpr MacroCommandRow kMacroCommands[] = {
    {kLoopCountEditId, kEditChangeNotification, MacroPageCommand::LoopCountEdited},
    {kMacroNameEditId, kEditChangeNotification, MacroPageCommand::NameEdited},
    {kMacroListId, kListSelectionChange, MacroPageCommand::MacroChosen},
    {kEventListId, kListSelectionChange, MacroPageCommand::EventChosen},
    {kEventListId, kListDoubleClick, MacroPageCommand::EventDoubleClick},
    {kInsertMouseEventListId, kListSelectionChange, MacroPageCommand::MouseEventChosen},
    {kDeleteEventCommandId, kMenuCommandNotification, MacroPageCommand::DeleteEvent},
};

}  // namespace

std::optional<MacroPageCommand> MacroPageCommandOf(int control_id, int notification) {
    for (const MacroCommandRow& row : kMacroCommands) {
        if (row.control_id == control_id && row.notification == notification) {
            return row.command;
        }
    }
    return std::nullopt;
}

}  // namespace corvanti
