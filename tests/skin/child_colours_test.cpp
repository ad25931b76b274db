#include "skin/child_colours.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvanti {
namespace {

TEST(ChildColoursForTest, ColoursOnlyTheKindsTheDialogNames) {
    const ChildColourRule statics_only{.statics = true};
    EXPECT_EQ(ChildColoursFor(ChildKind::kStatic, statics_only), ChildColours{});
    EXPECT_EQ(ChildColoursFor(ChildKind::kEdit, statics_only), std::nullopt);
    EXPECT_EQ(ChildColoursFor(ChildKind::kListBox, statics_only), std::nullopt);
    EXPECT_EQ(ChildColoursFor(ChildKind::kOther, ChildColourRule{true, true, true, true}),
              std::nullopt);
}

TEST(ChildColoursForTest, EditsAlwaysAndListBoxesOnRequestGetTheDarkTextBackground) {
    const ChildColours dark{kChildTextColour, kChildBackground, kChildBackground};
    const ChildColourRule all{.statics = true, .edits = true, .list_boxes = true};
    EXPECT_EQ(ChildColoursFor(ChildKind::kEdit, all), dark);
    EXPECT_EQ(ChildColoursFor(ChildKind::kListBox, all), ChildColours{});
    ChildColourRule with_list_background = all;
    with_list_background.list_box_background = true;
    EXPECT_EQ(ChildColoursFor(ChildKind::kListBox, with_list_background), dark);
}

}  // namespace
}  // namespace corvanti
