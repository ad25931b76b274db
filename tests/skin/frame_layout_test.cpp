#include "skin/frame_layout.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvanti {
namespace {

struct ClickCase {
    ClientPoint point;
    std::optional<int> result;
};

TEST(FrameClickResultTest, EndsTheDialogByTheLastButtonHit) {
    const ClickCase cases[] = {
        {{166, 253}, kDialogOk},      // OK's top-left corner is inside
        {{269, 273}, kDialogOk},      // last pixel of OK alone
        {{270, 260}, kDialogCancel},  // shared column: Cancel is tested later and wins
        {{374, 273}, kDialogCancel},  // Cancel's last pixel
        {{375, 260}, std::nullopt},   // right edges are exclusive
        {{200, 274}, std::nullopt},   // so are bottom edges
        {{165, 260}, std::nullopt},  {{352, 6}, kDialogCancel},  // the close cross
        {{369, 23}, kDialogCancel},  {{370, 23}, std::nullopt}, {{10, 10}, std::nullopt},
    };
    for (const ClickCase& c : cases) {
        EXPECT_EQ(FrameClickResult(c.point), c.result) << c.point.x << "," << c.point.y;
    }
}

TEST(FrameButtonImageTest, CloseHasItsOwnImagesAndNoLabel) {
    EXPECT_EQ(FrameButtonImage(FrameButton::kClose, false), "/button-close-normal.png");
    EXPECT_EQ(FrameButtonImage(FrameButton::kClose, true), "/button-close-over.png");
    EXPECT_EQ(FrameButtonImage(FrameButton::kCancel, false), "/button-normal.png");
    EXPECT_EQ(FrameButtonImage(FrameButton::kOk, true), "/button-over.png");
    EXPECT_FALSE(FrameButtonHasLabel(FrameButton::kClose));
    EXPECT_TRUE(FrameButtonHasLabel(FrameButton::kCancel));
}

}  // namespace
}  // namespace corvanti
