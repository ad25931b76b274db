#include "profile/profile_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "profile/factory_profile.h"
#include "profile/profile_paths.h"
#include "support/recording_messages.h"
#include "support/scratch_folder.h"

namespace corvanti {
namespace {

using testing::ReadBytes;
using testing::RecordingMessages;
using testing::ScratchFolder;
using testing::ShownMessage;
using testing::WriteBytes;

ProfileRecord SampleRecord() {
    ProfileRecord record;
    for (std::size_t i = 0; i < kProfileRecordSize; ++i) {
        record.bytes()[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return record;
}

TEST(ProfilePaths, SiblingsLiveInTheExecutablesFolderWhateverItsName) {
    const std::filesystem::path folders[] = {"apps", "Corvanti-Tarn.exe.d"};
    const char* names[] = {"Corvanti-Tarn.exe", "tarn-copy.exe", "corvanti-tarn.EXE"};
    for (const auto& folder : folders) {
        for (const char* name : names) {
            const ProfilePaths paths = BuildProfilePaths(folder / name);
            EXPECT_EQ(paths.executable, folder / name);
            EXPECT_EQ(paths.profile, folder / "config.bin");
            EXPECT_EQ(paths.macro_store, folder / "record.ini");
            EXPECT_EQ(paths.settings, folder / "str.ini");
        }
    }
}

#ifdef _WIN32
TEST(ProfilePaths, WindowsPathsAsTheSystemGivesThem) {
    const ProfilePaths paths = BuildProfilePaths(L"C:\\Program Files\\Tarn\\Corvanti-Tarn.exe");
    EXPECT_EQ(paths.profile.wstring(), L"C:\\Program Files\\Tarn\\config.bin");
    EXPECT_EQ(paths.settings.wstring(), L"C:\\Program Files\\Tarn\\str.ini");
}
#endif

TEST(ProfileFile, SaveBesideARenamedProgramNeverTouchesIt) {
    ScratchFolder folder;
    const std::vector<std::uint8_t> program = {'M', 'Z', 0x90, 0x00};
    WriteBytes(folder / "renamed.exe", program);
    RecordingMessages messages;
    const ProfilePaths paths = BuildProfilePaths(folder / "renamed.exe");
    ASSERT_TRUE(SaveProfileFile(paths.profile, SampleRecord(), messages, messages));
    EXPECT_EQ(ReadBytes(folder / "renamed.exe"), program);
    EXPECT_EQ(ReadBytes(folder / "config.bin").size(), kProfileFileSize);
}

TEST(ProfileFile, LoadsFlagAndRecordOfAWholeFile) {
    ScratchFolder folder;
    const ProfileFileContent stored{0, SampleRecord()};
    WriteBytes(folder / "config.bin", SerializeProfileFile(stored));
    RecordingMessages messages;
    const ProfileFileContent loaded = LoadProfileFile(folder / "config.bin", messages, messages);
    EXPECT_EQ(loaded.first_run_flag, 0);
    EXPECT_EQ(loaded.record, stored.record);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(messages.traces,
              std::vector<std::string>{"Prpgram First Run Flag:0\nRead Size is: 1985"});
}

TEST(ProfileFile, MissingFileSaysSoAndFallsBackToTheFactoryProfile) {
    ScratchFolder folder;
    RecordingMessages messages;
    const ProfileFileContent loaded = LoadProfileFile(folder / "config.bin", messages, messages);
    const std::vector<ShownMessage> expected = {{"Config file is not exist.", "Corvanti-Tarn"}};
    EXPECT_EQ(messages.shown, expected);
    EXPECT_EQ(loaded.first_run_flag, 0);
    EXPECT_EQ(loaded.record, FactoryProfile());
}

TEST(ProfileFile, WrongSizedFileIsIgnoredSilentlyForTheFactoryProfile) {
    for (std::size_t size :
         {std::size_t{0}, kProfileFileSize - 1, kProfileFileSize + 1, std::size_t{1} << 20}) {
        ScratchFolder folder;
        WriteBytes(folder / "config.bin", std::vector<std::uint8_t>(size, 0x01));
        RecordingMessages messages;
        const ProfileFileContent loaded =
            LoadProfileFile(folder / "config.bin", messages, messages);
        EXPECT_TRUE(messages.shown.empty()) << size;
        EXPECT_EQ(loaded.first_run_flag, 0) << size;
        EXPECT_EQ(loaded.record, FactoryProfile()) << size;
    }
}

TEST(ProfileFile, FolderInPlaceOfTheFileLoadsTheFactoryProfile) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "config.bin");
    RecordingMessages messages;
    EXPECT_EQ(LoadProfileFile(folder / "config.bin", messages, messages).record, FactoryProfile());
}

TEST(ProfileFile, SaveCreatesAMissingFileWithFlagOneAndLeavesNoTemporaryFile) {
    ScratchFolder folder;
    RecordingMessages messages;
    ASSERT_TRUE(SaveProfileFile(folder / "config.bin", SampleRecord(), messages, messages));
    const std::vector<std::uint8_t> bytes = ReadBytes(folder / "config.bin");
    ASSERT_EQ(bytes.size(), kProfileFileSize);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_TRUE(std::equal(bytes.begin() + 1, bytes.end(), SampleRecord().bytes().begin()));
    EXPECT_EQ(folder.EntryNames(), std::vector<std::string>{"config.bin"});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(messages.traces,
              std::vector<std::string>{"Data num:1 BYTE -1985 BYTE\n Struct size:1985 BYTE"});
}

TEST(ProfileFile, SaveReplacesTheOldFileAndLoadsBack) {
    ScratchFolder folder;
    WriteBytes(folder / "config.bin", SerializeProfileFile({0, FactoryProfile()}));
    RecordingMessages messages;
    ASSERT_TRUE(SaveProfileFile(folder / "config.bin", SampleRecord(), messages, messages));
    const ProfileFileContent loaded = LoadProfileFile(folder / "config.bin", messages, messages);
    EXPECT_EQ(loaded.first_run_flag, 1);
    EXPECT_EQ(loaded.record, SampleRecord());
}

TEST(ProfileFile, FailedSaveShowsTheErrorCodeBox) {
    ScratchFolder folder;
    RecordingMessages messages;
    EXPECT_FALSE(SaveProfileFile(folder / "no-such-folder" / "config.bin", SampleRecord(), messages,
                                 messages));
    // The code says why: the folder does not exist.
    const std::vector<ShownMessage> expected = {{"Error Code is: 2 \n", "NULL ==fp "}};
    EXPECT_EQ(messages.shown, expected);
    EXPECT_TRUE(messages.traces.empty());
}

TEST(ProfileFile, ParseAcceptsOnlyTheExactSize) {
    const ProfileFileBytes bytes = SerializeProfileFile({1, SampleRecord()});
    const auto content = ParseProfileFile(bytes);
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(content->first_run_flag, 1);
    EXPECT_EQ(content->record, SampleRecord());
    EXPECT_FALSE(ParseProfileFile(std::span(bytes).first(kProfileFileSize - 1)).has_value());
    EXPECT_FALSE(ParseProfileFile({}).has_value());
}

}  // namespace
}  // namespace corvanti
