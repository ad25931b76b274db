#pragma once

// Temporary stand-ins for pieces that are being built elsewhere (language table, settings
// file, profile file); each goes once the real piece is in.

#include <filesystem>
#include <string>

#include "app/device_event_balloon.h"
#include "common/user_messages.h"
#include "profile/profile_record.h"

namespace corvanti::win {

BalloonTexts InterimBalloonTexts();
std::string InterimExitText();
std::string InterimReadSetting(const std::filesystem::path& file, const std::string& section,
                               const std::string& key);
int InterimColourComponent(const std::string& text);

}  // namespace corvanti::win
