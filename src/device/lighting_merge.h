#pragma once

#include "device/device_mirror.h"
#include "profile/profile_record.h"

namespace corvanti {

// Brings the profile's lighting mode, its parameter and the variant of the respiration or neon
// mode into the lighting block and lighting-detail block 0 as read from the mouse; whatever the
// profile does not decide keeps the mouse's value.
void MergeLighting(const ProfileRecord& profile, LightingBlock& lighting,
                   LightingDetailBlock& detail0);

}  // namespace corvanti
