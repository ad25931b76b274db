#pragma once

#include <array>
#include <cstdint>

#include "device/device_mirror.h"
#include "profile/profile_record.h"

namespace corvanti {

// Bit 7 of a stage code marks a stage the mouse skips.
inline constexpr std::uint8_t kDpiStageDisabledBit = 0x80;

// The mouse's code for DPI level `level` of a sensor type; 0x00 for an unknown sensor type or
// a level past the end of its table.
std::uint8_t DpiBaseCode(std::uint8_t sensor_type, std::uint8_t level);

// Codes 1-4 from the profile's stages (disabled ones with bit 7 set); codes 5-8 are always
// disabled.
std::array<std::uint8_t, kDpiStageCodeCount> BuildDpiStageCodes(std::uint8_t sensor_type,
                                                                const ProfileRecord& profile);

}  // namespace corvanti
