#pragma once

#include <string>

#include "app/settings_file.h"
#include "common/user_messages.h"
#include "device/apply_sequence.h"
#include "profile/profile_paths.h"
#include "profile/profile_record.h"

namespace corvanti {

// Where Apply stores what it sent: the working record in config.bin (which then counts as
// saved by the program) and the button captions in the window's language section of str.ini.
// The record and captions are read when Apply stores them, so they must outlive this object.
class ApplyFiles final : public ApplyPersistence {
  public:
    ApplyFiles(const ProfilePaths& paths, const ProfileRecord& working,
               const ButtonCaptions& captions, std::string language_section, UserMessages& messages,
               TraceSink& trace);

    // A failure is shown by the profile file's own message box.
    void SaveProfile() override;
    // A failure leaves str.ini as it was and is traced.
    void WriteCaptions() override;

  private:
    const ProfilePaths& paths_;
    const ProfileRecord& working_;
    const ButtonCaptions& captions_;
    std::string language_section_;
    UserMessages& messages_;
    TraceSink& trace_;
};

}  // namespace corvanti
