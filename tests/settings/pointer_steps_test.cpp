#include "settings/pointer_steps.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(PointerSteps, SystemValuesReadAsStepsWithinTheSlider) {
    const struct {
        const char* setting;
        std::int64_t value;
        int step;
    } cases[] = {
        {"speed", 10, 6},         {"speed", 1, 1},           {"speed", 20, 11},
        {"speed", 0, 1},          {"speed", 40, 11},         {"speed", -3, 1},
        {"wheel", 3, 3},          {"wheel", 11, 11},         {"wheel", 0, 1},
        {"wheel", 100, 11},       {"double-click", 500, 6},  {"double-click", 900, 1},
        {"double-click", 830, 2}, {"double-click", 200, 11}, {"double-click", 100, 11},
        {"double-click", 0, 11},  {"double-click", 1000, 1}, {"double-click", 0xFFFFFFFF, 1},
    };
    for (const auto& c : cases) {
        const std::string setting = c.setting;
        int step = 0;
        if (setting == "speed") {
            step = PointerSpeedStep(static_cast<int>(c.value));
        } else if (setting == "wheel") {
            step = WheelLinesStep(static_cast<std::uint32_t>(c.value));
        } else {
            step = DoubleClickStep(static_cast<std::uint32_t>(c.value));
        }
        EXPECT_EQ(step, c.step) << setting << " " << c.value;
    }
}

TEST(PointerSteps, StepsWriteAsSystemValuesAndStrayStepsAsTheNearestOne) {
    const struct {
        std::uint8_t step;
        int speed;
        std::uint32_t lines;
        std::uint32_t double_click;
    } cases[] = {
        {1, 1, 1, 900}, {2, 2, 2, 830},    {6, 10, 6, 550},    {11, 20, 11, 200},
        {0, 1, 1, 900}, {12, 20, 11, 200}, {255, 20, 11, 200},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PointerSpeedOfStep(c.step), c.speed) << int{c.step};
        EXPECT_EQ(WheelLinesOfStep(c.step), c.lines) << int{c.step};
        EXPECT_EQ(DoubleClickTimeOfStep(c.step), c.double_click) << int{c.step};
    }
}

TEST(PointerSteps, PrecisionIsTheAccelerationOfTheMouseParameters) {
    EXPECT_EQ(MouseParametersOf(true), (MouseParameters{6, 10, 1}));
    EXPECT_EQ(MouseParametersOf(false), (MouseParameters{0, 0, 0}));
    EXPECT_TRUE(PrecisionOf({0, 0, 2}));
    EXPECT_FALSE(PrecisionOf({6, 10, 0}));
}

}  // namespace
}  // namespace corvanti
