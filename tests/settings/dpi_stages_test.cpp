#include "settings/dpi_stages.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/dpi_grid.h"

namespace corvanti {
namespace {

// A drawing in short: "T" or "o" for a ticked or clear tick box, then "L" or "d" for each lit
// or dark level cell, bottom cell first.
std::string Pattern(const DrawList& drawn) {
    std::string pattern;
    for (const DrawStep& step : drawn) {
        const std::string& name = std::get<DrawImage>(step).name;
        if (name == "/PaneMakingTick.png") {
            pattern += 'T';
        } else if (name == "/Pane.png") {
            pattern += 'o';
        } else if (name == "/slider-DPI-light.png") {
            pattern += 'L';
        } else if (name == "/slider-DPI-dark.png") {
            pattern += 'd';
        } else {
            pattern += '?';
        }
    }
    return pattern;
}

TEST(ClickDpiCell, StoresTheLevelAndLightsUpToItWhereTheSensorAllows) {
    const struct {
        const char* what;
        int sensor_type;
        std::size_t stage;
        int cell;
        std::string drawn;  // empty when the click is refused
    } cases[] = {
        {"eight-level sensor", 1, 0, 5, "LLLLLddd"},
        {"top cell of the eight", 3, 3, 8, "LLLLLLLL"},
        {"twelve-level sensor, upper cell", 0, 1, 9, "LLLLLLLLLddd"},
        {"twelve-level sensor, top cell", 0, 2, 12, "LLLLLLLLLLLL"},
        {"past the eight levels", 2, 0, 9, ""},
        {"unknown sensor shows twelve cells", 7, 0, 8, "LLLLLLLLdddd"},
        {"unknown sensor cannot use the upper cells", 7, 0, 9, ""},
        {"below the first cell", 0, 0, 0, ""},
        {"above the twelfth cell", 0, 0, 13, ""},
        {"no fifth stage", 0, 4, 3, ""},
    };
    for (const auto& c : cases) {
        ProfileRecord record;
        record.set_dpi_level(c.stage, 2);
        const DrawList drawn = ClickDpiCell(record, c.sensor_type, c.stage, c.cell);
        EXPECT_EQ(Pattern(drawn), c.drawn) << c.what;
        const int expected_level = c.drawn.empty() ? 2 : c.cell - 1;
        EXPECT_EQ(record.dpi_level(c.stage), c.stage < 4 ? expected_level : 0) << c.what;
        EXPECT_FALSE(record.dpi_stage_enabled(c.stage)) << c.what << ": stays off";
    }
}

TEST(ClickDpiCell, DrawsTheCellsOfItsOwnColumnBottomUp) {
    ProfileRecord record;
    const DrawList drawn = ClickDpiCell(record, 0, 2, 1);
    ASSERT_EQ(drawn.size(), 12u);
    EXPECT_EQ(drawn.front(), DrawStep(DrawImage{"/slider-DPI-light.png", 608, 500}));
    EXPECT_EQ(drawn.back(), DrawStep(DrawImage{"/slider-DPI-dark.png", 608, 302}));
}

TEST(ClickDpiTick, TheLastStageOnCannotBeSwitchedOff) {
    const int sensor = 1;
    ProfileRecord record;
    record.set_dpi_stage_enabled(1, true);
    record.set_dpi_level(1, 3);
    record.set_dpi_level(2, 5);

    EXPECT_TRUE(ClickDpiTick(record, sensor, 1).empty());
    EXPECT_TRUE(record.dpi_stage_enabled(1));

    EXPECT_EQ(Pattern(ClickDpiTick(record, sensor, 2)), "TLLLLLLdd");
    EXPECT_TRUE(record.dpi_stage_enabled(2));

    EXPECT_EQ(Pattern(ClickDpiTick(record, sensor, 1)), "odddddddd");
    EXPECT_FALSE(record.dpi_stage_enabled(1));
    EXPECT_EQ(record.dpi_level(1), 3) << "the level stays stored";

    EXPECT_TRUE(ClickDpiTick(record, sensor, 2).empty());
    EXPECT_TRUE(ClickDpiTick(record, sensor, 4).empty());
}

TEST(ClickDpiTick, DrawsTheTickUnderItsColumn) {
    ProfileRecord record;
    record.set_dpi_stage_enabled(0, true);
    const DrawList drawn = ClickDpiTick(record, 0, 3);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front(), DrawStep(DrawImage{"/PaneMakingTick.png", 635, 541}));
}

TEST(DpiColour, OnlyAStageThatIsOnTakesAColour) {
    ProfileRecord record;
    record.set_dpi_stage_enabled(2, true);
    EXPECT_FALSE(DpiColourChoosable(record, 1));
    EXPECT_TRUE(DpiColourChoosable(record, 2));
    EXPECT_FALSE(DpiColourChoosable(record, 4));

    EXPECT_EQ(StoreDpiColour(record, 2, Rgb{10, 20, 30}), 73);
    EXPECT_EQ(record.dpi_colour(2), (Rgb{10, 20, 30}));
    EXPECT_EQ(StoreDpiColour(record, 4, Rgb{1, 2, 3}), std::nullopt);
    EXPECT_EQ(DpiSwatchRect(3), (ClientRect{635, 523, 651, 539}));
}

TEST(DrawDpiStage, LightsTheStoredLevelOfAStageThatIsOnOnly) {
    ProfileRecord record;
    record.set_dpi_level(0, 2);
    EXPECT_EQ(Pattern(DrawDpiStage(record, 2, 0)), "odddddddd");
    record.set_dpi_stage_enabled(0, true);
    EXPECT_EQ(Pattern(DrawDpiStage(record, 2, 0)), "TLLLddddd");
    // A level byte past the sensor's table lights the whole column and nothing beyond it.
    record.set_dpi_level(0, 200);
    EXPECT_EQ(Pattern(DrawDpiStage(record, 2, 0)), "TLLLLLLLL");
}

TEST(DrawDpiLabels, WritesTheSensorsValuesBesideTheFirstColumn) {
    const DrawList eight = DrawDpiLabels(1);
    ASSERT_EQ(eight.size(), 8u);
    EXPECT_EQ(eight.front(),
              DrawStep(DrawLabel{"600", {494, 500, 544, 516}, text_format::kRightMiddle}));
    EXPECT_EQ(eight.back(),
              DrawStep(DrawLabel{"3200", {494, 374, 544, 390}, text_format::kRightMiddle}));

    const DrawList twelve = DrawDpiLabels(0);
    ASSERT_EQ(twelve.size(), 12u);
    EXPECT_EQ(twelve.back(),
              DrawStep(DrawLabel{"4000", {514, 302, 544, 318}, text_format::kRightMiddle}));

    EXPECT_TRUE(DrawDpiLabels(9).empty()) << "an unknown sensor has no values to show";
}

}  // namespace
}  // namespace corvanti
