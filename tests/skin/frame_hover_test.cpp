#include "skin/frame_hover.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvanti {
namespace {

using Draws = std::vector<FrameButtonDraw>;

constexpr ClientPoint kOnOk{200, 260};
constexpr ClientPoint kOnCancel{300, 260};
constexpr ClientPoint kOnBoth{270, 260};
constexpr ClientPoint kOnClose{360, 10};
constexpr ClientPoint kElsewhere{50, 50};

TEST(FrameHoverStateTest, MovingOntoAButtonOnlyAsksForHover) {
    FrameHoverState state;
    for (ClientPoint p : {kOnOk, kOnCancel, kOnClose}) {
        const FrameHoverStep step = state.OnMouseMove(p);
        EXPECT_TRUE(step.request_hover);
        EXPECT_TRUE(step.draws.empty());
    }
    const FrameHoverStep outside = state.OnMouseMove(kElsewhere);
    EXPECT_FALSE(outside.request_hover);
    EXPECT_TRUE(outside.draws.empty()) << "nothing is hot, so nothing is redrawn";
}

TEST(FrameHoverStateTest, SlidingFromOkToCancelSwapsTheHighlightInOneStep) {
    FrameHoverState state;
    EXPECT_EQ(state.OnMouseHover(kOnOk).draws, (Draws{{FrameButton::kOk, true}}));
    EXPECT_EQ(state.OnMouseHover(kOnCancel).draws,
              (Draws{{FrameButton::kCancel, true}, {FrameButton::kOk, false}}));
    EXPECT_FALSE(state.IsHot(FrameButton::kOk));
    EXPECT_TRUE(state.IsHot(FrameButton::kCancel));
    EXPECT_EQ(state.OnMouseHover(kOnOk).draws,
              (Draws{{FrameButton::kOk, true}, {FrameButton::kCancel, false}}));
}

TEST(FrameHoverStateTest, TheSharedColumnHighlightsOk) {
    FrameHoverState state;
    EXPECT_EQ(state.OnMouseHover(kOnBoth).draws, (Draws{{FrameButton::kOk, true}}));
}

TEST(FrameHoverStateTest, LeavingRestoresEveryHotButtonOnce) {
    FrameHoverState state;
    state.OnMouseHover(kOnClose);
    state.OnMouseHover(kOnCancel);
    EXPECT_EQ(state.OnMouseMove(kElsewhere).draws,
              (Draws{{FrameButton::kClose, false}, {FrameButton::kCancel, false}}));
    EXPECT_TRUE(state.OnMouseMove(kElsewhere).draws.empty());
    EXPECT_FALSE(state.IsHot(FrameButton::kClose));
}

TEST(FrameHoverStateTest, HoverOutsideTheButtonsDrawsNothing) {
    FrameHoverState state;
    EXPECT_TRUE(state.OnMouseHover(kElsewhere).draws.empty());
}

}  // namespace
}  // namespace corvanti
