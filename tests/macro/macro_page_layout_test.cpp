#include "macro/macro_page_layout.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(MacroPageLayoutTest, SharedEdgeColumnsGoToTheButtonTestedFirst) {
    using Action = MacroPageAction;
    struct Case {
        ClientPoint p;
        std::optional<Action> action;
    };
    const Case cases[] = {
        {{735, 229}, Action::kStartRecording},
        {{763, 257}, Action::kStartRecording},
        {{764, 240}, std::nullopt},
        {{750, 293}, Action::kStopRecording},
        {{513, 540}, Action::kNewMacro},
        {{617, 540}, Action::kNewMacro},
        {{618, 540}, Action::kDeleteMacro},
        {{721, 540}, Action::kDeleteMacro},
        {{825, 548}, Action::kConfirm},
        {{826, 540}, std::nullopt},
        {{600, 549}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroPageButtonAt(c.p), c.action) << c.p.x << "," << c.p.y;
    }
}

TEST(MacroPageLayoutTest, OnlyTheMouseEventBoxAndItsListKeepTheListOpen) {
    EXPECT_FALSE(ClosesMouseEventList({735, 402}));
    EXPECT_FALSE(ClosesMouseEventList({853, 415}));
    EXPECT_FALSE(ClosesMouseEventList({734, 568}));
    EXPECT_TRUE(ClosesMouseEventList({734, 410}));  // left of the box
    EXPECT_TRUE(ClosesMouseEventList({800, 417}));  // the gap between box and list
    EXPECT_TRUE(ClosesMouseEventList({100, 100}));
}

}  // namespace
}  // namespace corvanti
