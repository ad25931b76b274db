#include "assign/dpi_function_list.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(DpiFunctionListWindow, OpensBesideTheDpiSwitchEntryOfTheButtonsList) {
    // Entry 6 of a list whose entries are 15 pixels high and 207 wide.
    const ClientRect entry{0, 90, 207, 105};
    EXPECT_EQ(
        DpiFunctionListWindow(0, entry),
        (ListBoxWindow{37, {459, 311, 519, 391}, {"DPI +", "DPI -", "DPI Loop", "Shift DPI"}}));
    // Buttons 7-10 drop their lists beside the upper boxes.
    EXPECT_EQ(DpiFunctionListWindow(9, entry).area, (ClientRect{670, 259, 730, 339}));
}

}  // namespace
}  // namespace corvanti
