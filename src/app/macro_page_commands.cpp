#include "app/macro_page_commands.h"

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
    {kMacroListId, kListSelectionChangeNotification, MacroPageCommand::MacroChosen},
    {kEventListId, kListSelectionChangeNotification, MacroPageCommand::EventChosen},
    {kEventListId, kListDoubleClickNotification, MacroPageCommand::EventDoubleClick},
    {kInsertMouseEventListId, kListSelectionChangeNotification, MacroPageCommand::MouseEventChosen},
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
