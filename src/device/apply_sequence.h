#pragma once

#include "device/device_commands.h"
#include "profile/profile_record.h"

namespace corvanti {

// What Apply stores besides the mouse: the profile file and the button captions. The file
// code implements it; both run after the device writes, whether the mouse took them or not.
class ApplyPersistence {
  public:
    virtual ~ApplyPersistence() = default;
    virtual void SaveProfile() = 0;
    virtual void WriteCaptions() = 0;
};

// Makes the mouse match `profile`: report rate, lighting merged into what the mouse holds,
// colours, DPI stage codes, all twelve macros (written and read back) and the four key
// matrices, then saves the profile and the captions. Never stops early: a mouse that stops
// answering yields zeros and the writes still go out.
void RunApply(const ProfileRecord& profile, DeviceCommands& commands,
              ApplyPersistence& persistence);

}  // namespace corvanti
