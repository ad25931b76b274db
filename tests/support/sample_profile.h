#pragma once

#include <cstddef>
#include <cstdint>

#include "profile/key_function.h"
#include "profile/profile_record.h"

namespace corvanti::testing {

// A profile that differs from the empty one wherever Apply sends something: report rate code
// 2, stage levels 0, 2, 4, 7 with stage 3 disabled, distinct colours, lighting mode 3 (neon)
// variant 2, a distinct first and last byte in every macro, and a changed button in each mode.
inline ProfileRecord SampleProfile() {
    ProfileRecord profile;
    ApplyDefaultKeyLayout(profile);
    profile.set_slot(KeyMode::A, SlotField::FunctionType, 2, 15);
    profile.set_slot(KeyMode::B, SlotField::FunctionType, 4, 15);
    profile.set_report_rate_code(2);
    const std::uint8_t levels[kDpiStageCount] = {0, 2, 4, 7};
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        profile.set_dpi_level(stage, levels[stage]);
        profile.set_dpi_stage_enabled(stage, stage != 2);
        profile.set_dpi_colour(stage, {static_cast<std::uint8_t>(0x11 * (stage + 1)), 0x22, 0x33});
    }
    profile.set_lighting_mode(3);
    profile.set_lighting_parameter(3, 4);
    profile.set_neon_effect(2);
    for (std::size_t block = 0; block < kMacroBlockCount; ++block) {
        profile.macro_block(block)[0] = static_cast<std::uint8_t>(block + 1);
        profile.macro_block(block)[127] = static_cast<std::uint8_t>(0xC0 + block);
    }
    return profile;
}

}  // namespace corvanti::testing
