#include "ctl/mouse_report.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/text_format.h"
#include "ctl/profile_report.h"

namespace corvanti {

namespace {

// The blocks a mouse can be asked for, whoever holds them.
struct ReadableBlocks {
    std::array<std::uint8_t, SimulatedMouseState::kSensorBlockSize> sensor{};
    SimulatedMouseState::LightingBlock lighting{};
    std::array<LightingDetailBlock, kLightingDetailCount> lighting_detail{};
    std::array<SettingsBlock, kSettingsBlockCount> settings{};
    MacroBlockViews macros{};
};

constexpr std::size_t kSensorTypeIndex = 0;
constexpr std::size_t kReportRateIndex = 1;
constexpr std::size_t kOption1Index = 2;
constexpr std::size_t kOption2Index = 3;

std::string SensorSection(const ReadableBlocks& blocks) {
    const auto& sensor = blocks.sensor;
    return FormatText("Sensor block:%s\n", SpacedHexBytes(sensor).c_str()) +
           FormatText("  Sensor type: %u\n", sensor[kSensorTypeIndex]) + "  " +
           FormatReportRateLine(sensor[kReportRateIndex]) +
           FormatText("  Option 1: 0x%02x\n  Option 2: 0x%02x\n", sensor[kOption1Index],
                      sensor[kOption2Index]);
}

std::string LightingSection(const ReadableBlocks& blocks) {
    std::string text = FormatText("Lighting block:%s\n", SpacedHexBytes(blocks.lighting).c_str());
    for (std::size_t index = 0; index < blocks.lighting_detail.size(); ++index) {
        text += FormatText("Lighting detail %u:%s\n", static_cast<unsigned>(index + 1),
                           SpacedHexBytes(blocks.lighting_detail[index]).c_str());
    }
    return text;
}

std::string SettingsSection(const ReadableBlocks& blocks) {
    std::string text;
    for (std::size_t index = 0; index < blocks.settings.size(); ++index) {
        text += FormatText("Settings block %u:%s\n", static_cast<unsigned>(index + 1),
                           SpacedHexBytes(blocks.settings[index]).c_str());
    }
    return text;
}

std::string DpiSection(const SimulatedMouseState& state) {
    return FormatText("DPI stage count: %u\n", state.dpi_stage_count) +
           FormatText("DPI stage codes:%s\n", SpacedHexBytes(state.dpi_stage_codes).c_str());
}

std::string KeyMatrixSection(const SimulatedMouseState& state) {
    std::string text;
    for (std::size_t index = 0; index < state.key_matrices.size(); ++index) {
        text += FormatText("Key matrix %u:", static_cast<unsigned>(index + 1)) +
                FormatKeyMatrixWords(state.key_matrices[index]) + "\n";
    }
    return text;
}

ReadableBlocks BlocksOf(const SimulatedMouseState& state) {
    ReadableBlocks blocks{
        state.sensor_block, state.lighting, state.lighting_detail, state.settings, {}};
    for (std::size_t index = 0; index < kMacroBlockCount; ++index) {
        blocks.macros[index] = state.macros[index];
    }
    return blocks;
}

ReadableBlocks BlocksOf(const DeviceMirror& mirror) {
    const SensorBlock& sensor = mirror.sensor;
    const LightingBlock& lighting = mirror.lighting;
    ReadableBlocks blocks{{sensor.sensor_type, sensor.rate, sensor.option1, sensor.option2},
                          {lighting.effect, lighting.option1, lighting.option2},
                          mirror.lighting_detail,
                          mirror.settings,
                          {}};
    const std::span<const std::uint8_t> area(mirror.macro_area);
    for (std::size_t index = 0; index < kMacroBlockCount; ++index) {
        blocks.macros[index] = area.subspan(index * kMacroBlockSize, kMacroBlockSize);
    }
    return blocks;
}

}  // namespace

std::string SpacedHexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += FormatText(" %02x", byte);
    }
    return text;
}

std::string FormatMouseReport(const SimulatedMouseState& state) {
    const ReadableBlocks blocks = BlocksOf(state);
    return SensorSection(blocks) + LightingSection(blocks) + SettingsSection(blocks) +
           DpiSection(state) + KeyMatrixSection(state) + FormatMacroSummary(blocks.macros);
}

std::string FormatReadableMouseReport(const DeviceMirror& mirror) {
    const ReadableBlocks blocks = BlocksOf(mirror);
    return SensorSection(blocks) + LightingSection(blocks) + SettingsSection(blocks) +
           "DPI stages and key matrices: the mouse offers no read of them\n" +
           FormatMacroSummary(blocks.macros);
}

}  // namespace corvanti
