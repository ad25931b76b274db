#include "app/macro_page_commands.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvanti {
namespace {

TEST(MacroPageCommandTest, EachControlIsHeardOnlyForItsOwnNotification) {
    using C = MacroPageCommand;
    constexpr int kEditChange = 0x300;
    constexpr int kEditKillFocus = 0x200;
    constexpr int kSelectionChange = 1;
    constexpr int kDoubleClick = 2;
    const struct {
        int id;
        int notification;
        std::optional<MacroPageCommand> command;
    } cases[] = {
        {149, kEditChange, C::LoopCountEdited},
        {150, kEditChange, C::NameEdited},
        {150, kEditKillFocus, std::nullopt},
        {151, kSelectionChange, C::MacroChosen},
        {151, kDoubleClick, std::nullopt},
        {152, kSelectionChange, C::EventChosen},
        {152, kDoubleClick, C::EventDoubleClick},
        {154, kSelectionChange, C::MouseEventChosen},
        // A double click on the insert list follows its selection change, which already
        // inserted the event and closed the list.
        {154, kDoubleClick, std::nullopt},
        {32772, 0, C::DeleteEvent},
        {32772, 1, std::nullopt},  // an accelerator, not the menu
        {119, 0, std::nullopt},
        {41, kSelectionChange, std::nullopt},  // a button's function list
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MacroPageCommandOf(c.id, c.notification), c.command)
            << c.id << " " << c.notification;
    }
}

}  // namespace
}  // namespace corvanti
