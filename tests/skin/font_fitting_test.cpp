#include "skin/font_fitting.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

// Text widths grow with the font height; a face about half as wide as high per character.
int WidthOf(int characters, int height) {
    return characters * height / 2;
}

TEST(FontFittingTest, TheWidestEntryDecidesTheHeightWithinItsBounds) {
    struct Case {
        int dialog_height;
        int widest_characters;
        int width;
        int fitted;
    };
    const Case cases[] = {
        {14, 10, 70, 14},  // fits at the dialog font
        {14, 10, 69, 13},  // one pixel too wide: the next smaller height
        {14, 17, 92, 10},  // fits only at the smallest height
        {14, 20, 92, 10},  // fits at none: the smallest, cut off
        {14, 0, 92, 14},   // no entries
        {9, 20, 10, 9},    // a dialog font already below the smallest stays as it is
    };
    for (const Case& c : cases) {
        const auto widest_at = [&](int height) { return WidthOf(c.widest_characters, height); };
        EXPECT_EQ(FittingFontHeight(c.dialog_height, c.width, widest_at), c.fitted)
            << c.widest_characters << " characters in " << c.width;
    }
}

TEST(FontFittingTest, AValueBoxKeepsItsEdgesAndMarginsFree) {
    EXPECT_EQ(ValueBoxTextWidth({42, 128, 136, 144}), 90);
    EXPECT_EQ(ValueBoxTextWidth({49, 69, 117, 85}), 64);
}

}  // namespace
}  // namespace corvanti
