#pragma once

#include <cstddef>
#include <string>

#include "app/settings_file.h"
#include "profile/profile_record.h"

namespace corvanti {

// The caption a button's dropdown box shows, one per slot and key mode. A slot past the
// captions reads as empty and is never written.
const std::string& ButtonCaption(const ButtonCaptions& captions, KeyMode mode, std::size_t slot);
void SetButtonCaption(ButtonCaptions& captions, KeyMode mode, std::size_t slot, std::string text);

}  // namespace corvanti
