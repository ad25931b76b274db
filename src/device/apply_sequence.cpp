#include "device/apply_sequence.h"

#include <algorithm>
#include <cstdint>

#include "device/dpi_codes.h"
#include "device/lighting_merge.h"
#include "profile/key_function.h"

namespace corvanti {

namespace {

constexpr std::uint8_t kStageCount = kDpiStageCount;
constexpr std::size_t kColourSettingsBlock = 1;

void ReadMouseBlocks(DeviceCommands& commands) {
    commands.ReadLightingBlock();
    commands.ReadLightingDetailBlocks();
    commands.ReadSettingsBlocks();
}

void MergeProfile(const ProfileRecord& profile, DeviceMirror& mirror) {
    MergeLighting(profile, mirror.lighting, mirror.lighting_detail[0]);
    auto& colours = mirror.settings[kColourSettingsBlock];
    colours.fill(0);
    const auto profile_colours = profile.dpi_colour_bytes();
    std::copy(profile_colours.begin(), profile_colours.end(), colours.begin());
}

void WriteMouseBlocks(const ProfileRecord& profile, DeviceCommands& commands) {
    auto& mirror = commands.mirror();
    commands.WriteSettingsBlocks();
    commands.WriteLightingDetailBlocks();
    commands.WriteLightingBlock();
    mirror.dpi_stage_count = kStageCount;
    mirror.dpi_stage_codes = BuildDpiStageCodes(mirror.dpi_sensor_type, profile);
    commands.WriteDpiStages();
}

void WriteAndReadBackMacros(const ProfileRecord& profile, DeviceCommands& commands) {
    auto& mirror = commands.mirror();
    const auto macros = profile.macro_area();
    std::copy(macros.begin(), macros.end(), mirror.macro_area.begin());
    for (std::uint8_t number = 1; number <= kMacroBlockCount; ++number) {
        commands.WriteMacro(number);
        commands.PauseBetweenCommands();
    }
    for (std::uint8_t number = 1; number <= kMacroBlockCount; ++number) {
        commands.ReadMacro(number);
        commands.PauseBetweenCommands();
    }
}

}  // namespace

void RunApply(const ProfileRecord& profile, DeviceCommands& commands,
              ApplyPersistence& persistence) {
    auto& mirror = commands.mirror();
    mirror.report_rate = profile.report_rate_code();
    commands.SetReportRate();
    ReadMouseBlocks(commands);
    MergeProfile(profile, mirror);
    WriteMouseBlocks(profile, commands);
    mirror.key_matrices[0].fill(0);
    WriteAndReadBackMacros(profile, commands);
    mirror.key_matrices[0] = BuildKeyMatrix(profile, KeyMode::A);
    mirror.key_matrices[2] = BuildKeyMatrix(profile, KeyMode::B);
    commands.WriteKeyMatrices();
    persistence.SaveProfile();
    persistence.WriteCaptions();
}

}  // namespace corvanti
