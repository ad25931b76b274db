#include "assign/button_drawing.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(DrawDropdownBox, DrawsTheImageTheNumberAndTheCaptionSideBySide) {
    EXPECT_EQ(DrawDropdownBox(9, "Fire Key-A"),
              (DrawList{
                  DrawImage{"/DropdownBox-normal.png", 252, 406},
                  DrawLabel{"10", {252, 406, 272, 427}, text_format::kLeftMiddle},
                  DrawLabel{"Fire Key-A", {272, 406, 463, 427}, text_format::kLeftMiddle},
              }));
    const DrawList hovered = DrawDropdownBox(0, "Left Click", true);
    ASSERT_FALSE(hovered.empty());
    EXPECT_EQ(hovered.front(), DrawStep(DrawImage{"/DropdownBox-over.png", 252, 199}));
}

TEST(DrawDropdownBox, SlotsWithoutABoxDrawNothing) {
    EXPECT_TRUE(DrawDropdownBox(10, "Key Off").empty());
    EXPECT_TRUE(DrawDropdownBox(99, "Key Off").empty());
}

TEST(DrawDropdownBoxes, DrawsTheTenBoxesWithTheCaptionsOfTheMode) {
    ButtonCaptions captions;
    for (std::size_t i = 0; i < kCaptionCount; ++i) {
        captions[i] = "caption " + std::to_string(i);
    }
    const DrawList drawn = DrawDropdownBoxes(captions, KeyMode::B);
    ASSERT_EQ(drawn.size(), 30u);
    EXPECT_EQ(std::get<DrawLabel>(drawn[2]).text, "caption 12");
    EXPECT_EQ(std::get<DrawLabel>(drawn[29]).text, "caption 21");
}

TEST(DrawKeyModeButtons, HighlightsTheShownMode) {
    EXPECT_EQ(DrawKeyModeButtons(KeyMode::B),
              (DrawList{
                  DrawImage{"/button-normal.png", 253, 518},
                  DrawLabel{"Mode A", {253, 518, 358, 539}, text_format::kCentred},
                  DrawImage{"/button-over.png", 357, 518},
                  DrawLabel{"Mode B", {357, 518, 462, 539}, text_format::kCentred},
              }));
    EXPECT_EQ(std::get<DrawImage>(DrawKeyModeButtons(KeyMode::A)[0]).name, "/button-over.png");
}

}  // namespace
}  // namespace corvanti
