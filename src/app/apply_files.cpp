#include "app/apply_files.h"

#include <utility>

#include "profile/profile_file.h"

namespace corvanti {

ApplyFiles::ApplyFiles(const ProfilePaths& paths, const ProfileRecord& working,
                       const ButtonCaptions& captions, std::string language_section,
                       UserMessages& messages, TraceSink& trace)
    : paths_(paths),
      working_(working),
      captions_(captions),
      language_section_(std::move(language_section)),
      messages_(messages),
      trace_(trace) {}

void ApplyFiles::SaveProfile() {
    SaveProfileFile(paths_.profile, working_, messages_, trace_);
}

void ApplyFiles::WriteCaptions() {
    if (const std::error_code error =
            corvanti::WriteCaptions(paths_.settings, language_section_, captions_)) {
        trace_.Trace("captions not written: " + error.message());
    }
}

}  // namespace corvanti
