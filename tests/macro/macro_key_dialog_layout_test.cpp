#include "macro/macro_key_dialog_layout.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(MacroKeyDialogLayoutTest, OnlyTheTickBoxesChooseAMode) {
    struct Case {
        ClientPoint p;
        std::optional<int> mode;
    };
    const Case cases[] = {
        {{220, 78}, 1},
        {{235, 93}, 1},
        {{236, 93}, std::nullopt},
        {{228, 136}, 2},
        {{228, 186}, 3},
        {{300, 186}, std::nullopt},  // its text
        {{228, 110}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RepeatModeAt(c.p), c.mode) << c.p.x << "," << c.p.y;
    }
}

TEST(MacroKeyDialogLayoutTest, WrappedTextIsCentredVerticallyInItsArea) {
    const ClientRect area = kRepeatModeTable[0].text;
    EXPECT_EQ(VerticallyCentred(area, 14), (ClientRect{237, 79, 390, 93}));
    EXPECT_EQ(VerticallyCentred(area, 28), (ClientRect{237, 72, 390, 100}));
    EXPECT_EQ(VerticallyCentred(area, 60), (ClientRect{237, 56, 390, 116}));
}

}  // namespace
}  // namespace corvanti
