#include "device/lighting_merge.h"

#include <gtest/gtest.h>

#include <string>

namespace corvanti {
namespace {

TEST(LightingMerge, EachModeAndVariantMergesItsRow) {
    const LightingBlock read_block{9, 9, 0x44};
    const LightingDetailBlock read_detail{0x11, 0x22, 0x33};
    struct Case {
        std::uint8_t mode, variant;
        LightingBlock block;
        LightingDetailBlock detail;
    };
    // Parameters: 4 for mode 1, 5 for mode 2, 6 for mode 3.
    const Case cases[] = {
        {1, 0, {1, 5, 2}, {1, 0x22, 0x33}},       {1, 7, {1, 5, 2}, {1, 0x22, 0x33}},
        {2, 1, {2, 6, 2}, {1, 0x22, 0x33}},       {2, 2, {2, 6, 3}, {2, 0x7D, 3}},
        {2, 3, {2, 6, 0x44}, {0x11, 0x22, 0x33}}, {3, 2, {3, 7, 0x44}, {2, 0x64, 0x0A}},
        {3, 3, {3, 7, 0x44}, {3, 5, 5}},          {3, 1, {3, 7, 0x44}, {0x11, 0x22, 0x33}},
        {0, 2, read_block, read_detail},          {4, 2, read_block, read_detail},
    };
    for (const auto& c : cases) {
        ProfileRecord profile;
        profile.set_lighting_mode(c.mode);
        profile.set_lighting_parameter(1, 4);
        profile.set_lighting_parameter(2, 5);
        profile.set_lighting_parameter(3, 6);
        profile.set_standard_effect(c.variant);
        profile.set_respiration_effect(c.variant);
        profile.set_neon_effect(c.variant);
        LightingBlock block = read_block;
        LightingDetailBlock detail = read_detail;
        MergeLighting(profile, block, detail);
        EXPECT_EQ(block, c.block) << int{c.mode} << "/" << int{c.variant};
        EXPECT_EQ(detail, c.detail) << int{c.mode} << "/" << int{c.variant};
    }
}

// Each mode reads only its own parameter and its own variant: every field holds a value that
// would give another row if a mode took its neighbour's.
TEST(LightingMerge, EachModeReadsItsOwnParameterAndVariant) {
    const LightingBlock read_block{9, 9, 0x44};
    const LightingDetailBlock read_detail{0x11, 0x22, 0x33};
    struct Case {
        std::uint8_t mode, standard, respiration, neon;
        LightingBlock block;
        LightingDetailBlock detail;
    };
    // Parameters: 4 for mode 1, 5 for mode 2, 6 for mode 3.
    const Case cases[] = {
        {1, 3, 2, 3, {1, 5, 2}, {1, 0x22, 0x33}}, {2, 2, 1, 2, {2, 6, 2}, {1, 0x22, 0x33}},
        {2, 1, 2, 3, {2, 6, 3}, {2, 0x7D, 3}},    {3, 3, 1, 2, {3, 7, 0x44}, {2, 0x64, 0x0A}},
        {3, 2, 2, 3, {3, 7, 0x44}, {3, 5, 5}},    {3, 3, 3, 1, {3, 7, 0x44}, read_detail},
    };
    for (const auto& c : cases) {
        ProfileRecord profile;
        profile.set_lighting_mode(c.mode);
        profile.set_lighting_parameter(1, 4);
        profile.set_lighting_parameter(2, 5);
        profile.set_lighting_parameter(3, 6);
        profile.set_standard_effect(c.standard);
        profile.set_respiration_effect(c.respiration);
        profile.set_neon_effect(c.neon);
        LightingBlock block = read_block;
        LightingDetailBlock detail = read_detail;
        MergeLighting(profile, block, detail);
        const std::string name = std::to_string(c.mode) + ": " + std::to_string(c.standard) + "/" +
                                 std::to_string(c.respiration) + "/" + std::to_string(c.neon);
        EXPECT_EQ(block, c.block) << name;
        EXPECT_EQ(detail, c.detail) << name;
    }
}

}  // namespace
}  // namespace corvanti
