#include "settings/win/windows_pointer_system.h"

#include <gtest/gtest.h>

namespace corvanti::win {
namespace {

// The session's settings as they were, put back when the test ends.
class WindowsPointerSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        parameters_ = system_.ReadMouseParameters();
        speed_ = system_.ReadPointerSpeed();
        lines_ = system_.ReadWheelScrollLines();
        double_click_ = system_.ReadDoubleClickTime();
        ASSERT_TRUE(parameters_ && speed_ && lines_ && double_click_);
    }
    void TearDown() override {
        if (parameters_ && speed_ && lines_ && double_click_) {
            system_.WriteMouseParameters(*parameters_);
            system_.WritePointerSpeed(*speed_);
            system_.WriteWheelScrollLines(*lines_);
            system_.WriteDoubleClickTime(*double_click_);
        }
    }

    WindowsPointerSystem system_;
    std::optional<MouseParameters> parameters_;
    std::optional<int> speed_;
    std::optional<std::uint32_t> lines_;
    std::optional<std::uint32_t> double_click_;
};

// Each value is read back as it was written: the speed especially, which travels in the
// pointer argument itself.
TEST_F(WindowsPointerSystemTest, ReadsBackWhatItWrites) {
    struct Values {
        MouseParameters parameters;
        int speed;
        std::uint32_t lines;
        std::uint32_t double_click;
    };
    // Every write is announced to every window, which takes its time: two rows cover both
    // ends of each setting.
    for (const Values& values :
         {Values{{6, 10, 1}, 4, 7, 200}, Values{{0, 0, 0}, 20, kPageScrolling, 900}}) {
        ASSERT_TRUE(system_.WriteMouseParameters(values.parameters));
        ASSERT_TRUE(system_.WritePointerSpeed(values.speed));
        ASSERT_TRUE(system_.WriteWheelScrollLines(values.lines));
        ASSERT_TRUE(system_.WriteDoubleClickTime(values.double_click));

        EXPECT_EQ(system_.ReadMouseParameters(), values.parameters);
        EXPECT_EQ(system_.ReadPointerSpeed(), values.speed);
        EXPECT_EQ(system_.ReadWheelScrollLines(), values.lines);
        EXPECT_EQ(system_.ReadDoubleClickTime(), values.double_click);
    }
}

}  // namespace
}  // namespace corvanti::win
