#include "device/lighting_merge.h"

#include <array>
#include <cstdint>
#include <optional>

namespace corvanti {

namespace {

constexpr std::uint8_t kStandardMode = 1;
constexpr std::uint8_t kRespirationMode = 2;
constexpr std::uint8_t kNeonMode = 3;

// One row of the merge: what the profile's mode and variant make of option 2 and of detail
// block 0 (byte 0 alone, or all three bytes); nullopt keeps the mouse's value.
struct MergeRow {
    std::uint8_t mode;
    std::optional<std::uint8_t> variant;  // nullopt: any variant
    std::optional<std::uint8_t> option2;
    std::optional<std::uint8_t> detail_first;
    std::optional<LightingDetailBlock> detail;
};

constexpr std::array<MergeRow, 7> kMergeRows = {{
    {kStandardMode, std::nullopt, 2, 1, std::nullopt},
    {kRespirationMode, 1, 2, 1, std::nullopt},
    {kRespirationMode, 2, 3, std::nullopt, LightingDetailBlock{2, 0x7D, 3}},
    {kRespirationMode, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
    {kNeonMode, 2, std::nullopt, std::nullopt, LightingDetailBlock{2, 0x64, 0x0A}},
    {kNeonMode, 3, std::nullopt, std::nullopt, LightingDetailBlock{3, 5, 5}},
    {kNeonMode, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
}};

std::uint8_t VariantOf(const ProfileRecord& profile, std::uint8_t mode) {
    switch (mode) {
        case kRespirationMode:
            return profile.respiration_effect();
        case kNeonMode:
            return profile.neon_effect();
        default:
            return profile.standard_effect();
    }
}

const MergeRow* FindRow(const ProfileRecord& profile) {
    const std::uint8_t mode = profile.lighting_mode();
    for (const auto& row : kMergeRows) {
        if (row.mode == mode && (!row.variant || *row.variant == VariantOf(profile, mode))) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

void MergeLighting(const ProfileRecord& profile, LightingBlock& lighting,
                   LightingDetailBlock& detail0) {
    const MergeRow* row = FindRow(profile);
    if (row == nullptr) {
        return;
    }
    lighting.effect = row->mode;
    lighting.option1 = static_cast<std::uint8_t>(profile.lighting_parameter(row->mode) + 1);
    if (row->option2) {
        lighting.option2 = *row->option2;
    }
    if (row->detail_first) {
        detail0[0] = *row->detail_first;
    }
    if (row->detail) {
        detail0 = *row->detail;
    }
}

}  // namespace corvanti
