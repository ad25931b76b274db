#include "skin/font_fitting.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

// A face whose characters are half as wide as the font is high, unless a width is asked for;
// a list line is as high as the font.
EntriesExtent ExtentOf(int widest_characters, FontSize size) {
    const int char_width_times_two = size.width != 0 ? 2 * size.width : size.height;
    return {widest_characters * char_width_times_two / 2, size.height, size.height / 2};
}

DropdownRoom NoListLimit(int text_width) {
    return {text_width, std::nullopt, 0};
}

TEST(FontFittingTest, TheEntriesDecideTheSizeWithinItsBounds) {
    struct Case {
        const char* what;
        int dialog_height;
        int widest_characters;
        DropdownRoom room;
        FontSize fitted;
    };
    const Case cases[] = {
        {"fits at the dialog font", 14, 10, NoListLimit(70), {14, 0}},
        {"one pixel too wide", 14, 10, NoListLimit(69), {13, 0}},
        {"fits only at the smallest height", 14, 17, NoListLimit(92), {10, 0}},
        {"too wide at every height: narrower characters", 14, 20, NoListLimit(92), {10, 4}},
        {"too wide even in the narrowest characters: cut off", 14, 40, NoListLimit(92), {10, 3}},
        {"no entries", 14, 0, NoListLimit(92), {14, 0}},
        {"a dialog font below the smallest height, fitting", 9, 20, NoListLimit(90), {9, 0}},
        {"lines lower than the dialog font's show every entry", 13, 5, {90, 140, 11}, {12, 0}},
        {"a scrolling list keeps the dialog font", 14, 5, {90, std::nullopt, 61}, {14, 0}},
        {"too many lines at any height: kept readable", 14, 5, {90, 100, 20}, {10, 0}},
    };
    for (const Case& c : cases) {
        std::vector<FontSize> measured;
        const auto measure = [&](FontSize size) {
            measured.push_back(size);
            return ExtentOf(c.widest_characters, size);
        };
        EXPECT_EQ(FittingFontSize(c.dialog_height, c.room, measure), c.fitted) << c.what;
        EXPECT_LE(measured.size(), 16U) << c.what;
    }
}

TEST(FontFittingTest, AValueBoxKeepsItsEdgesAndMarginsFree) {
    EXPECT_EQ(ValueBoxTextWidth({42, 128, 136, 144}), 90);
    EXPECT_EQ(ValueBoxTextWidth({49, 69, 117, 85}), 64);
}

// A list reaching below the dialog shows only down to its bottom edge.
TEST(FontFittingTest, AListShowsItsLinesDownToTheDialogsBottomEdge) {
    struct Case {
        ClientRect list_area;
        int client_height;
        int visible;
    };
    const Case cases[] = {
        {{42, 146, 151, 306}, 288, 140},  // cut off by the bottom edge
        {{49, 87, 132, 227}, 288, 138},   // wholly inside
        {{42, 300, 151, 400}, 288, 0},    // wholly below
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VisibleListHeight(c.list_area, c.client_height), c.visible) << c.list_area.top;
    }
}

}  // namespace
}  // namespace corvanti
