#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "profile/key_function.h"
#include "profile/profile_record.h"

namespace corvanti {

inline constexpr std::size_t kSettingsBlockSize = 24;
inline constexpr std::size_t kSettingsBlockCount = 2;
inline constexpr std::size_t kLightingDetailSize = 3;
inline constexpr std::size_t kLightingDetailCount = 2;
inline constexpr std::size_t kKeyMatrixCount = 4;
inline constexpr std::size_t kDpiStageCodeCount = 8;

struct SensorBlock {
    std::uint8_t sensor_type = 0;
    std::uint8_t rate = 0;
    std::uint8_t option1 = 0;
    std::uint8_t option2 = 0;
    bool operator==(const SensorBlock&) const = default;
};

struct LightingBlock {
    std::uint8_t effect = 0;
    std::uint8_t option1 = 0;
    std::uint8_t option2 = 0;
    bool operator==(const LightingBlock&) const = default;
};

using LightingDetailBlock = std::array<std::uint8_t, kLightingDetailSize>;
using SettingsBlock = std::array<std::uint8_t, kSettingsBlockSize>;
using MacroArea = std::array<std::uint8_t, kMacroBlockCount * kMacroBlockSize>;

// What the program believes the mouse holds: read commands fill it, write commands send it,
// and it lives between Applies. All bytes start at zero.
struct DeviceMirror {
    std::uint8_t report_rate = 0;
    SensorBlock sensor;
    std::uint8_t dpi_sensor_type = 0;  // selects the DPI code table
    LightingBlock lighting;
    std::array<LightingDetailBlock, kLightingDetailCount> lighting_detail{};
    std::array<SettingsBlock, kSettingsBlockCount> settings{};
    std::array<KeyMatrix, kKeyMatrixCount> key_matrices{};  // matrix n at index n - 1
    MacroArea macro_area{};
    std::array<std::uint8_t, kDpiStageCodeCount> dpi_stage_codes{};
    std::uint8_t dpi_stage_count = 0;

    bool operator==(const DeviceMirror&) const = default;
};

}  // namespace corvanti
