#include "app/apply_files.h"

#include <gtest/gtest.h>

#include "profile/factory_profile.h"
#include "profile/profile_file.h"
#include "support/recording_messages.h"
#include "support/scratch_folder.h"

namespace corvanti {
namespace {

using testing::ReadBytes;
using testing::RecordingMessages;
using testing::ScratchFolder;

class ApplyFilesTest : public ::testing::Test {
  protected:
    ApplyFilesTest() {
        paths_.profile = folder_ / "config.bin";
        paths_.settings = folder_ / "str.ini";
        working_ = FactoryProfile();
        captions_[0] = "Right Click";
        captions_[kCaptionButtonCount + 1] = "Forward";
    }

    ScratchFolder folder_;
    ProfilePaths paths_;
    ProfileRecord working_;
    ButtonCaptions captions_;
    RecordingMessages messages_;
};

// The record and captions are taken when Apply stores them, not when the object was made:
// the window keeps one for the run while the user goes on editing.
TEST_F(ApplyFilesTest, StoresTheRecordAsSavedAndTheCaptionsAsTheyAreAtApply) {
    ApplyFiles files(paths_, working_, captions_, "Setting-EN", messages_, messages_);
    working_.set_report_rate_code(4);
    captions_[2] = "Forward";

    files.SaveProfile();
    files.WriteCaptions();

    const auto saved = ParseProfileFile(ReadBytes(paths_.profile));
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->first_run_flag, 1);
    EXPECT_EQ(saved->record, working_);
    EXPECT_EQ(ReadSettings(paths_.settings, "Setting-EN").captions, captions_);
    EXPECT_EQ(ReadSettings(paths_.settings, "Setting-CHS").captions, ButtonCaptions{});
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ApplyFilesTest, CaptionsThatCannotBeWrittenAreTracedAndTheFileKept) {
    std::filesystem::create_directory(paths_.settings);  // a folder where str.ini should be
    ApplyFiles files(paths_, working_, captions_, "Setting-EN", messages_, messages_);

    files.WriteCaptions();

    EXPECT_TRUE(std::filesystem::is_directory(paths_.settings));
    ASSERT_EQ(messages_.traces.size(), 1u);
    EXPECT_TRUE(messages_.traces[0].starts_with("captions not written")) << messages_.traces[0];
    EXPECT_TRUE(messages_.shown.empty());
}

}  // namespace
}  // namespace corvanti
