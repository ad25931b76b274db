#include "settings/dpi_values.h"

#include <gtest/gtest.h>

#include <string>

namespace corvanti {
namespace {

struct DpiCase {
    int sensor_type;
    std::size_t level;
    std::string text;
};

TEST(DpiValueText, GivesTheLevelsValueFromTheSensorsTable) {
    const DpiCase cases[] = {
        {1, 0, "600"},  {1, 7, "3200"}, {2, 0, "250"},  {2, 6, "2000"},  {3, 1, "800"},
        {3, 7, "3200"}, {0, 0, "250"},  {0, 6, "1750"}, {0, 11, "4000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DpiValueText(c.sensor_type, c.level), c.text)
            << "sensor " << c.sensor_type << " level " << c.level;
    }
}

TEST(DpiValueText, IsEmptyPastTheTableAndForUnknownSensors) {
    const DpiCase cases[] = {
        {1, 8, ""}, {2, 11, ""}, {3, 255, ""}, {0, 12, ""}, {4, 0, ""}, {-1, 0, ""}, {255, 3, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DpiValueText(c.sensor_type, c.level), c.text)
            << "sensor " << c.sensor_type << " level " << c.level;
    }
}

TEST(DpiLevelCount, EightForTheKnownEightLevelSensorsTwelveOtherwise) {
    EXPECT_EQ(DpiLevelCount(1), 8u);
    EXPECT_EQ(DpiLevelCount(2), 8u);
    EXPECT_EQ(DpiLevelCount(3), 8u);
    EXPECT_EQ(DpiLevelCount(0), 12u);
    EXPECT_EQ(DpiLevelCount(9), 12u);
}

}  // namespace
}  // namespace corvanti
