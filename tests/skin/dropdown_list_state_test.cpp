#include "skin/dropdown_list_state.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

// The skin dialog's list: value box plus arrow, and the area below it.
constexpr DropdownGeometry kGeometry{{42, 128, 151, 144}, {42, 146, 151, 266}};

TEST(DropdownListStateTest, TriggerClicksToggleTheList) {
    DropdownListState list;
    EXPECT_EQ(list.OnTriggerClick(false), TriggerAction::kOpen);
    EXPECT_TRUE(list.IsOpen());
    EXPECT_EQ(list.OnTriggerClick(true), TriggerAction::kClose);
    EXPECT_FALSE(list.IsOpen());
    EXPECT_EQ(list.OnTriggerClick(false), TriggerAction::kOpen);
}

TEST(DropdownListStateTest, AChoiceWithoutSelectionLeavesTheWindowForTheNextTriggerClick) {
    DropdownListState list;
    list.OnTriggerClick(false);
    EXPECT_FALSE(list.OnListChoice(true, false));
    EXPECT_FALSE(list.IsOpen());
    // The window still exists: the next click only marks it open, the one after closes it.
    EXPECT_EQ(list.OnTriggerClick(true), TriggerAction::kKeep);
    EXPECT_EQ(list.OnTriggerClick(true), TriggerAction::kClose);
}

TEST(DropdownListStateTest, AChoiceIsTakenOnlyFromAnExistingListWithASelection) {
    DropdownListState list;
    list.OnTriggerClick(false);
    EXPECT_TRUE(list.OnListChoice(true, true));
    EXPECT_FALSE(list.IsOpen());
    EXPECT_FALSE(list.OnListChoice(false, true));
}

TEST(DropdownListStateTest, OnlyClicksOutsideTriggerAndListCloseIt) {
    struct Case {
        ClientPoint point;
        bool list_exists;
        bool closes;
    };
    const Case cases[] = {
        {{10, 10}, true, true},   {{150, 143}, true, false},  // arrow part of the trigger
        {{42, 146}, true, false}, {{150, 265}, true, false},  // inside the list area
        {{42, 145}, true, true},                              // the gap between them
        {{151, 200}, true, true}, {{10, 10}, false, false},   // nothing to close
    };
    for (const Case& c : cases) {
        DropdownListState list;
        list.OnTriggerClick(false);
        EXPECT_EQ(list.OnOtherClick(c.point, kGeometry, c.list_exists), c.closes)
            << c.point.x << "," << c.point.y;
        EXPECT_EQ(list.IsOpen(), !c.closes);
    }
}

TEST(WheelScrollTest, PositiveDeltaScrollsUpThreeLines) {
    EXPECT_EQ(WheelScrollFor(120), (WheelScroll{0, 3}));
    EXPECT_EQ(WheelScrollFor(-120), (WheelScroll{1, 3}));
    EXPECT_EQ(WheelScrollFor(0), (WheelScroll{1, 3}));
}

}  // namespace
}  // namespace corvanti
