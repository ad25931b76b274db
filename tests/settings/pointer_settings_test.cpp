#include "settings/pointer_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_messages.h"

namespace corvanti {
namespace {

using testing::RecordingMessages;
using testing::ShownMessage;

// A system whose values a test sets and whose calls can be made to fail; every write is noted.
class FakePointerSystem : public PointerSystem {
  public:
    std::optional<MouseParameters> parameters = MouseParameters{6, 10, 1};
    std::optional<int> speed = 10;
    std::optional<std::uint32_t> wheel_lines = 3;
    std::optional<std::uint32_t> double_click_time = 500;
    bool writes_fail = false;
    std::vector<std::string> writes;
    int reads = 0;

    std::optional<MouseParameters> ReadMouseParameters() override {
        ++reads;
        return parameters;
    }
    std::optional<int> ReadPointerSpeed() override { return speed; }
    std::optional<std::uint32_t> ReadWheelScrollLines() override { return wheel_lines; }
    std::optional<std::uint32_t> ReadDoubleClickTime() override { return double_click_time; }

    bool WriteMouseParameters(const MouseParameters& p) override {
        return Note("parameters " + std::to_string(p.first_threshold) + " " +
                    std::to_string(p.second_threshold) + " " + std::to_string(p.acceleration));
    }
    bool WritePointerSpeed(int s) override { return Note("speed " + std::to_string(s)); }
    bool WriteWheelScrollLines(std::uint32_t lines) override {
        return Note(lines == kPageScrolling ? "wheel page" : "wheel " + std::to_string(lines));
    }
    bool WriteDoubleClickTime(std::uint32_t ms) override {
        return Note("double-click " + std::to_string(ms));
    }

  private:
    bool Note(std::string write) {
        writes.push_back(std::move(write));
        return !writes_fail;
    }
};

// Lit cells of each slider and the two ticks, in the panel's drawing order.
struct PanelState {
    bool precision;
    bool page_scrolling;
    int speed;
    int lines;
    int double_click;
};

void ExpectPanel(const DrawList& drawn, const PanelState& state) {
    DrawList expected{DrawPointerTick(PointerTick::Precision, state.precision),
                      DrawPointerTick(PointerTick::PageScrolling, state.page_scrolling)};
    Append(expected, DrawPointerSlider(PointerSlider::Speed, state.speed));
    Append(expected, DrawPointerSlider(PointerSlider::Scrolling, state.lines));
    Append(expected, DrawPointerSlider(PointerSlider::DoubleClick, state.double_click));
    EXPECT_EQ(drawn, expected);
}

class PointerSettingsTest : public ::testing::Test {
  protected:
    ProfileRecord record;
    FakePointerSystem system;
    RecordingMessages messages;
    PointerSettings settings{record, system, messages};
};

TEST_F(PointerSettingsTest, TheFirstShowingReadsTheSystemDefaultsAsSteps) {
    ExpectPanel(settings.ShowPage(), {true, false, 6, 3, 6});
    EXPECT_TRUE(record.pointer_precision());
    EXPECT_FALSE(record.scroll_one_screen());
    EXPECT_EQ(record.pointer_speed(), 6);
    EXPECT_EQ(record.wheel_lines(), 3);
    EXPECT_EQ(record.double_click_speed(), 6);
    EXPECT_TRUE(messages.shown.empty());

    // Later showings draw the record, whatever the system holds now.
    system.speed = 20;
    settings.ClickSlider(PointerSlider::DoubleClick, 2);
    ExpectPanel(settings.ShowPage(), {true, false, 6, 3, 2});
    EXPECT_EQ(system.reads, 1);
}

TEST_F(PointerSettingsTest, PageScrollingReadsAsTheTickWithoutLitScrollCells) {
    system.wheel_lines = kPageScrolling;
    ExpectPanel(settings.ShowPage(), {true, true, 6, 0, 6});
    EXPECT_EQ(record.wheel_lines(), 0);

    EXPECT_EQ(settings.ClickSlider(PointerSlider::Scrolling, 5),
              DrawPointerSlider(PointerSlider::Scrolling, 5));
    EXPECT_EQ(record.wheel_lines(), 5);
    EXPECT_TRUE(record.scroll_one_screen());
    settings.WriteToSystem();
    EXPECT_EQ(system.writes[2], "wheel page");
}

TEST_F(PointerSettingsTest, FailedReadsWarnAndGoOnWithZero) {
    system.parameters.reset();
    system.speed.reset();
    system.wheel_lines.reset();
    system.double_click_time.reset();
    ExpectPanel(settings.ShowPage(), {false, false, 1, 1, 11});
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{
                                  {"GETMOUSESPEED failed.", "Warning"},
                                  {"GETWHEELSCROLLLINES failed.", "Warning"},
                                  {"GetDoubleClickTime failed.", "Warning"},
                              }));
}

TEST_F(PointerSettingsTest, WritingSendsTheStepsInOrder) {
    const struct {
        bool precision;
        bool page_scrolling;
        std::uint8_t speed;
        std::uint8_t lines;
        std::uint8_t double_click;
        std::vector<std::string> writes;
    } cases[] = {
        {true, false, 11, 4, 6, {"parameters 6 10 1", "speed 20", "wheel 4", "double-click 550"}},
        {false, false, 1, 11, 11, {"parameters 0 0 0", "speed 1", "wheel 11", "double-click 200"}},
        {false, true, 6, 3, 1, {"parameters 0 0 0", "speed 10", "wheel page", "double-click 900"}},
        // Page scrolling read and then switched off leaves step 0, which would stop the wheel.
        {false, false, 0, 0, 0, {"parameters 0 0 0", "speed 1", "wheel 1", "double-click 900"}},
    };
    for (const auto& c : cases) {
        system.writes.clear();
        record.set_pointer_precision(c.precision);
        record.set_scroll_one_screen(c.page_scrolling);
        record.set_pointer_speed(c.speed);
        record.set_wheel_lines(c.lines);
        record.set_double_click_speed(c.double_click);
        settings.WriteToSystem();
        EXPECT_EQ(system.writes, c.writes);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PointerSettingsTest, EveryFailedWriteWarnsAndTheNextOneStillRuns) {
    system.writes_fail = true;
    const std::vector<ShownMessage> warnings = {
        {"SETMOUSE failed.", "Warning"},
        {"SETMOUSESPEED failed.", "Warning"},
        {"SETWHEELSCROLLLINES failed.", "Warning"},
        {"SPI_SETDOUBLECLICKTIME failed.", "Warning"},
    };
    settings.WriteToSystem();
    EXPECT_EQ(system.writes.size(), 4u);
    EXPECT_EQ(messages.shown, warnings);

    messages.shown.clear();
    settings.RestoreDefaults();
    EXPECT_EQ(messages.shown, warnings);
}

TEST_F(PointerSettingsTest, DefaultWritesTheSystemDefaultsAndShowsTheirSteps) {
    record.set_pointer_precision(true);
    record.set_scroll_one_screen(true);
    record.set_pointer_speed(2);
    record.set_wheel_lines(9);
    record.set_double_click_speed(1);

    ExpectPanel(settings.RestoreDefaults(), {false, false, 6, 3, 6});
    EXPECT_EQ(system.writes, (std::vector<std::string>{"parameters 0 0 0", "speed 10", "wheel 3",
                                                       "double-click 500"}));
    // Written back as steps, the same double-click step is 550 ms.
    system.writes.clear();
    settings.WriteToSystem();
    EXPECT_EQ(system.writes.back(), "double-click 550");
}

TEST_F(PointerSettingsTest, SliderCellsStoreTheirStepAndTicksFlip) {
    const struct {
        PointerSlider slider;
        int cell;
        std::uint8_t speed;
        std::uint8_t lines;
        std::uint8_t double_click;
    } cases[] = {
        {PointerSlider::Speed, 1, 1, 7, 7},       {PointerSlider::Scrolling, 11, 7, 11, 7},
        {PointerSlider::DoubleClick, 4, 7, 7, 4}, {PointerSlider::Speed, 0, 7, 7, 7},
        {PointerSlider::Speed, 12, 7, 7, 7},
    };
    for (const auto& c : cases) {
        record.set_pointer_speed(7);
        record.set_wheel_lines(7);
        record.set_double_click_speed(7);
        const DrawList drawn = settings.ClickSlider(c.slider, c.cell);
        EXPECT_EQ(record.pointer_speed(), c.speed);
        EXPECT_EQ(record.wheel_lines(), c.lines);
        EXPECT_EQ(record.double_click_speed(), c.double_click);
        const bool inside = c.cell >= 1 && c.cell <= 11;
        EXPECT_EQ(drawn, inside ? DrawPointerSlider(c.slider, c.cell) : DrawList{});
    }

    EXPECT_EQ(settings.ClickTick(PointerTick::Precision),
              DrawList{DrawImage("/PaneMakingTick.png", 51, 255)});
    EXPECT_TRUE(record.pointer_precision());
    EXPECT_EQ(settings.ClickTick(PointerTick::PageScrolling),
              DrawList{DrawImage("/PaneMakingTick.png", 51, 405)});
    EXPECT_EQ(settings.ClickTick(PointerTick::PageScrolling),
              DrawList{DrawImage("/Pane.png", 51, 405)});
    EXPECT_FALSE(record.scroll_one_screen());
    EXPECT_TRUE(system.writes.empty()) << "clicks reach the system only on OK and Apply";
}

TEST(DrawPointerSlider, LightsTheCellsUpToTheValue) {
    const DrawList drawn = DrawPointerSlider(PointerSlider::DoubleClick, 3);
    ASSERT_EQ(drawn.size(), 11u);
    EXPECT_EQ(drawn[0], DrawStep(DrawImage{"/slider-light.png", 52, 500}));
    EXPECT_EQ(drawn[2], DrawStep(DrawImage{"/slider-light.png", 100, 500}));
    EXPECT_EQ(drawn[3], DrawStep(DrawImage{"/slider-dark.png", 124, 500}));
    EXPECT_EQ(drawn[10], DrawStep(DrawImage{"/slider-dark.png", 292, 500}));
    EXPECT_EQ(PointerSliderCellRect(PointerSlider::Scrolling, 11),
              (ClientRect{292, 350, 316, 361}));
}

}  // namespace
}  // namespace corvanti
