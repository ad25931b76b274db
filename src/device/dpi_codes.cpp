#include "device/dpi_codes.h"

#include <cstddef>
#include <span>

namespace corvanti {

namespace {

constexpr std::array<std::uint8_t, 12> kSensor0Codes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                                                        0x07, 0x08, 0x25, 0x26, 0x27, 0x28};
constexpr std::array<std::uint8_t, 8> kSensor1Codes = {0x01, 0x02, 0x03, 0x04,
                                                       0x05, 0x23, 0x24, 0x25};
constexpr std::array<std::uint8_t, 8> kSensor2Codes = {0x02, 0x04, 0x06, 0x08,
                                                       0x0A, 0x26, 0x28, 0x2A};
constexpr std::array<std::uint8_t, 8> kSensor3Codes = {0x01, 0x02, 0x03, 0x04,
                                                       0x05, 0x06, 0x07, 0x08};

std::span<const std::uint8_t> CodeTable(std::uint8_t sensor_type) {
    switch (sensor_type) {
        case 0:
            return kSensor0Codes;
        case 1:
            return kSensor1Codes;
        case 2:
            return kSensor2Codes;
        case 3:
            return kSensor3Codes;
        default:
            return {};
    }
}

}  // namespace

std::uint8_t DpiBaseCode(std::uint8_t sensor_type, std::uint8_t level) {
    const auto table = CodeTable(sensor_type);
    return level < table.size() ? table[level] : 0x00;
}

std::array<std::uint8_t, kDpiStageCodeCount> BuildDpiStageCodes(std::uint8_t sensor_type,
                                                                const ProfileRecord& profile) {
    std::array<std::uint8_t, kDpiStageCodeCount> codes{};
    codes.fill(kDpiStageDisabledBit);
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        const std::uint8_t base = DpiBaseCode(sensor_type, profile.dpi_level(stage));
        const auto without_flag = static_cast<std::uint8_t>(base & ~kDpiStageDisabledBit);
        codes[stage] = profile.dpi_stage_enabled(stage)
                           ? without_flag
                           : static_cast<std::uint8_t>(base | kDpiStageDisabledBit);
    }
    return codes;
}

}  // namespace corvanti
