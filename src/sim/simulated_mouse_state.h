#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "device/device_mirror.h"
#include "profile/key_function.h"
#include "profile/profile_record.h"

namespace corvanti {

// Everything the simulated mouse keeps in its own memory: the blocks that the command set
// reads and writes. The sensor block's rate byte is the mouse's one report rate, so the
// report-rate command and a press of the mouse's rate button change it too.
struct SimulatedMouseState {
    static constexpr std::size_t kSensorBlockSize = 4;
    static constexpr std::size_t kSensorTypeIndex = 0;
    static constexpr std::size_t kReportRateIndex = 1;
    static constexpr std::size_t kLightingBlockSize = 3;

    using LightingBlock = std::array<std::uint8_t, kLightingBlockSize>;
    using MacroBlock = std::array<std::uint8_t, kMacroBlockSize>;

    // sensor type (fixed by the hardware), report rate, option 1, option 2
    std::array<std::uint8_t, kSensorBlockSize> sensor_block{};
    LightingBlock lighting{};  // effect, option 1, option 2
    std::array<LightingDetailBlock, kLightingDetailCount> lighting_detail{};
    std::array<SettingsBlock, kSettingsBlockCount> settings{};
    std::array<KeyMatrix, kKeyMatrixCount> key_matrices{};
    std::uint8_t dpi_stage_count = 0;
    std::array<std::uint8_t, kDpiStageCodeCount> dpi_stage_codes{};
    std::array<MacroBlock, kMacroBlockCount> macros{};

    std::uint8_t sensor_type() const { return sensor_block[kSensorTypeIndex]; }
    std::uint8_t report_rate() const { return sensor_block[kReportRateIndex]; }

    bool operator==(const SimulatedMouseState&) const = default;
};

// What a mouse fresh from the factory holds: the given sensor type, 1000 reports per second,
// a steady light, four enabled DPI stages with distinct colours, the default button layout in
// key matrices 1 and 3, and empty macros.
SimulatedMouseState FactoryMouseState(std::uint8_t sensor_type);

// The state as text, one block a line: the block's name, a space and its bytes as lower-case
// hex without separators, e.g. "lighting 010302". Lines starting with '#' are comments.
std::string FormatMouseState(const SimulatedMouseState& state);

// Reads text written by FormatMouseState. Every block must appear exactly once with exactly its
// size; anything else (unknown names, odd hex, extra text) makes it fail, with the reason in
// `error`.
std::optional<SimulatedMouseState> ParseMouseState(std::string_view text, std::string& error);

// File forms of the two above; the save replaces the file atomically.
std::optional<SimulatedMouseState> LoadMouseState(const std::filesystem::path& path,
                                                  std::string& error);
std::error_code SaveMouseState(const std::filesystem::path& path, const SimulatedMouseState& state);

}  // namespace corvanti
