#include "settings/dpi_values.h"

#include <array>
#include <cstdint>
#include <span>

namespace corvanti {
namespace {

constexpr std::array<std::uint16_t, 8> kSensor1Values = {600,  800,  1000, 1200,
                                                         1600, 2000, 2400, 3200};
constexpr std::array<std::uint16_t, 8> kSensor2Values = {250,  500,  750,  1000,
                                                         1250, 1500, 2000, 2500};
constexpr std::array<std::uint16_t, 8> kSensor3Values = {400,  800,  1200, 1600,
                                                         2000, 2400, 2800, 3200};
constexpr std::array<std::uint16_t, 12> kTwelveLevelValues = {250,  500,  750,  1000, 1250, 1500,
                                                              1750, 2000, 2500, 3000, 3500, 4000};

// Sensor types 0 to 3 are the ones with a known table; the value text of any other type is
// empty, although its grid shows the twelve-level table.
constexpr int kLastKnownSensorType = 3;

std::span<const std::uint16_t> ValuesOf(int sensor_type) {
    switch (sensor_type) {
        case 1:
            return kSensor1Values;
        case 2:
            return kSensor2Values;
        case 3:
            return kSensor3Values;
        default:
            return kTwelveLevelValues;
    }
}

}  // namespace

std::size_t DpiLevelCount(int sensor_type) {
    return ValuesOf(sensor_type).size();
}

std::string DpiValueText(int sensor_type, std::size_t level) {
    const auto value = DpiValue(sensor_type, level);
    return value ? std::to_string(*value) : std::string();
}

std::optional<int> DpiValue(int sensor_type, std::size_t level) {
    if (sensor_type < 0 || sensor_type > kLastKnownSensorType) {
        return std::nullopt;
    }
    const auto values = ValuesOf(sensor_type);
    if (level >= values.size()) {
        return std::nullopt;
    }
    return values[level];
}

}  // namespace corvanti
