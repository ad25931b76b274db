#include "device/lighting_merge.h"

#include <gtest/gtest.h>

#include <string>

namespace corvanti {
namespace {

const LightingBlock kReadBlock{9, 9, 0x44};
const LightingDetailBlock kReadDetail{0x11, 0x22, 0x33};

struct Variants {
    std::uint8_t standard, respiration, neon;
};

struct Merged {
    LightingBlock block;
    LightingDetailBlock detail;
};

// Merges a profile of lighting `mode`, parameters 4, 5 and 6 for modes 1, 2 and 3, and the
// given variants into the blocks as read from the mouse.
Merged Merge(std::uint8_t mode, Variants variants) {
    ProfileRecord profile;
    profile.set_lighting_mode(mode);
    profile.set_lighting_parameter(1, 4);
    profile.set_lighting_parameter(2, 5);
    profile.set_lighting_parameter(3, 6);
    profile.set_standard_effect(variants.standard);
    profile.set_respiration_effect(variants.respiration);
    profile.set_neon_effect(variants.neon);
    Merged merged{kReadBlock, kReadDetail};
    MergeLighting(profile, merged.block, merged.detail);
    return merged;
}

TEST(LightingMerge, EachModeAndVariantMergesItsRow) {
    struct Case {
        std::uint8_t mode, variant;
        LightingBlock block;
        LightingDetailBlock detail;
    };
    const Case cases[] = {
        {1, 0, {1, 5, 2}, {1, 0x22, 0x33}},       {1, 7, {1, 5, 2}, {1, 0x22, 0x33}},
        {2, 1, {2, 6, 2}, {1, 0x22, 0x33}},       {2, 2, {2, 6, 3}, {2, 0x7D, 3}},
        {2, 3, {2, 6, 0x44}, {0x11, 0x22, 0x33}}, {3, 2, {3, 7, 0x44}, {2, 0x64, 0x0A}},
        {3, 3, {3, 7, 0x44}, {3, 5, 5}},          {3, 1, {3, 7, 0x44}, {0x11, 0x22, 0x33}},
        {0, 2, kReadBlock, kReadDetail},          {4, 2, kReadBlock, kReadDetail},
    };
    for (const auto& c : cases) {
        const Merged merged = Merge(c.mode, {c.variant, c.variant, c.variant});
        EXPECT_EQ(merged.block, c.block) << int{c.mode} << "/" << int{c.variant};
        EXPECT_EQ(merged.detail, c.detail) << int{c.mode} << "/" << int{c.variant};
    }
}

// Each mode reads only its own parameter and its own variant: every field holds a value that
// would give another row if a mode took its neighbour's.
TEST(LightingMerge, EachModeReadsItsOwnParameterAndVariant) {
    struct Case {
        std::uint8_t mode;
        Variants variants;
        LightingBlock block;
        LightingDetailBlock detail;
    };
    const Case cases[] = {
        {1, {3, 2, 3}, {1, 5, 2}, {1, 0x22, 0x33}}, {2, {2, 1, 2}, {2, 6, 2}, {1, 0x22, 0x33}},
        {2, {1, 2, 3}, {2, 6, 3}, {2, 0x7D, 3}},    {3, {3, 1, 2}, {3, 7, 0x44}, {2, 0x64, 0x0A}},
        {3, {2, 2, 3}, {3, 7, 0x44}, {3, 5, 5}},    {3, {3, 3, 1}, {3, 7, 0x44}, kReadDetail},
    };
    for (const auto& c : cases) {
        const Merged merged = Merge(c.mode, c.variants);
        const std::string name =
            std::to_string(c.mode) + ": " + std::to_string(c.variants.standard) + "/" +
            std::to_string(c.variants.respiration) + "/" + std::to_string(c.variants.neon);
        EXPECT_EQ(merged.block, c.block) << name;
        EXPECT_EQ(merged.detail, c.detail) << name;
    }
}

}  // namespace
}  // namespace corvanti
