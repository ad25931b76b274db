#include "ctl/mouse_report.h"

#include <cstddef>
#include <cstdint>
#include <span>

#include "common/text_format.h"
#include "ctl/profile_report.h"

namespace corvanti {

namespace {

constexpr std::size_t kOption1Index = 2;
constexpr std::size_t kOption2Index = 3;

std::string HexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += FormatText(" %02x", byte);
    }
    return text;
}

std::string SensorSection(const SimulatedMouseState& state) {
    return FormatText("Sensor block:%s\n", HexBytes(state.sensor_block).c_str()) +
           FormatText("  Sensor type: %u\n", state.sensor_type()) + "  " +
           FormatReportRateLine(state.report_rate()) +
           FormatText("  Option 1: 0x%02x\n  Option 2: 0x%02x\n", state.sensor_block[kOption1Index],
                      state.sensor_block[kOption2Index]);
}

std::string LightingSection(const SimulatedMouseState& state) {
    std::string text = FormatText("Lighting block:%s\n", HexBytes(state.lighting).c_str());
    for (std::size_t index = 0; index < state.lighting_detail.size(); ++index) {
        text += FormatText("Lighting detail %u:%s\n", static_cast<unsigned>(index + 1),
                           HexBytes(state.lighting_detail[index]).c_str());
    }
    return text;
}

std::string SettingsSection(const SimulatedMouseState& state) {
    std::string text;
    for (std::size_t index = 0; index < state.settings.size(); ++index) {
        text += FormatText("Settings block %u:%s\n", static_cast<unsigned>(index + 1),
                           HexBytes(state.settings[index]).c_str());
    }
    return text;
}

std::string DpiSection(const SimulatedMouseState& state) {
    return FormatText("DPI stage count: %u\n", state.dpi_stage_count) +
           FormatText("DPI stage codes:%s\n", HexBytes(state.dpi_stage_codes).c_str());
}

std::string KeyMatrixSection(const SimulatedMouseState& state) {
    std::string text;
    for (std::size_t index = 0; index < state.key_matrices.size(); ++index) {
        text += FormatText("Key matrix %u:", static_cast<unsigned>(index + 1)) +
                FormatKeyMatrixWords(state.key_matrices[index]) + "\n";
    }
    return text;
}

MacroBlockViews MacroBlocksOf(const SimulatedMouseState& state) {
    MacroBlockViews blocks;
    for (std::size_t index = 0; index < kMacroBlockCount; ++index) {
        blocks[index] = state.macros[index];
    }
    return blocks;
}

}  // namespace

std::string FormatMouseReport(const SimulatedMouseState& state) {
    return SensorSection(state) + LightingSection(state) + SettingsSection(state) +
           DpiSection(state) + KeyMatrixSection(state) + FormatMacroSummary(MacroBlocksOf(state));
}

}  // namespace corvanti
