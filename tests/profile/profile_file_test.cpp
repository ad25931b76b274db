#include "profile/profile_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "common/atomic_file.h"
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
    // The code says why, in the system's own numbering: the folder does not exist.
#ifdef _WIN32
    const char* const text = "Error Code is: 3 \n";  // ERROR_PATH_NOT_FOUND
#else
    const char* const text = "Error Code is: 2 \n";  // ENOENT
#endif
    const std::vector<ShownMessage> expected = {{text, "NULL ==fp "}};
    EXPECT_EQ(messages.shown, expected);
    EXPECT_TRUE(messages.traces.empty());
}

TEST(ProfileFile, SaveFailingAtAnyStepKeepsTheOldFileReadable) {
    for (const SaveStep step :
         {SaveStep::Open, SaveStep::Write, SaveStep::Flush, SaveStep::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        ScratchFolder folder;
        const ProfileFileBytes old_bytes = SerializeProfileFile({0, FactoryProfile()});
        WriteBytes(folder / "config.bin", old_bytes);
        RecordingMessages messages;
        {
            ScopedSaveFailure failure(step);
            EXPECT_FALSE(
                SaveProfileFile(folder / "config.bin", SampleRecord(), messages, messages));
        }
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].caption, "NULL ==fp ");
        EXPECT_EQ(ReadBytes(folder / "config.bin"),
                  std::vector<std::uint8_t>(old_bytes.begin(), old_bytes.end()));
        EXPECT_EQ(LoadProfileFile(folder / "config.bin", messages, messages).record,
                  FactoryProfile());
        EXPECT_EQ(folder.EntryNames(), std::vector<std::string>{"config.bin"});
    }
}

// Every field of config.bin at its offset in the file, written as the layout gives it: the
// first-run flag comes first, so a record offset R is file offset 1 + R.
TEST(ProfileFile, EveryFieldLandsAtItsFileOffset) {
    const struct {
        const char* field;
        std::function<void(ProfileRecord&)> set;
        std::size_t file_offset;
        std::uint8_t value;
    } fields[] = {
        {"Mode A function type, slot 0",
         [](ProfileRecord& r) { r.set_slot(KeyMode::A, SlotField::FunctionType, 0, 7); }, 1 + 0x000,
         7},
        {"Mode A macro repeat, slot 11",
         [](ProfileRecord& r) { r.set_slot(KeyMode::A, SlotField::MacroRepeatMode, 11, 2); },
         1 + 0x000 + 180 + 11, 2},
        {"Mode B function type, slot 0",
         [](ProfileRecord& r) { r.set_slot(KeyMode::B, SlotField::FunctionType, 0, 9); }, 1 + 0x0C0,
         9},
        {"macro block 1, first byte", [](ProfileRecord& r) { r.macro_block(0)[0] = 0x31; },
         1 + 0x180, 0x31},
        {"macro block 12, last byte", [](ProfileRecord& r) { r.macro_block(11)[127] = 0x32; },
         1 + 0x180 + 11 * 128 + 127, 0x32},
        {"report rate", [](ProfileRecord& r) { r.set_report_rate_code(8); }, 1 + 0x785, 8},
        {"DPI level, stage 1", [](ProfileRecord& r) { r.set_dpi_level(0, 5); }, 1 + 0x787, 5},
        {"DPI level, stage 4", [](ProfileRecord& r) { r.set_dpi_level(3, 6); }, 1 + 0x78A, 6},
        {"enabled, stage 1", [](ProfileRecord& r) { r.set_dpi_stage_enabled(0, true); }, 1 + 0x78B,
         1},
        {"enabled, stage 4", [](ProfileRecord& r) { r.set_dpi_stage_enabled(3, true); }, 1 + 0x78E,
         1},
        {"colour, stage 1 red",
         [](ProfileRecord& r) {
             r.set_dpi_colour(0, {0xA1, 0, 0});
         },
         1 + 0x78F, 0xA1},
        {"colour, stage 2 green",
         [](ProfileRecord& r) {
             r.set_dpi_colour(1, {0, 0xA2, 0});
         },
         1 + 0x78F + 4, 0xA2},
        {"colour, stage 4 blue",
         [](ProfileRecord& r) {
             r.set_dpi_colour(3, {0, 0, 0xA3});
         },
         1 + 0x79A, 0xA3},
        {"lighting mode", [](ProfileRecord& r) { r.set_lighting_mode(3); }, 1 + 0x79B, 3},
        {"standard parameter", [](ProfileRecord& r) { r.set_lighting_parameter(1, 4); }, 1 + 0x79C,
         4},
        {"respiration parameter", [](ProfileRecord& r) { r.set_lighting_parameter(2, 5); },
         1 + 0x79D, 5},
        {"neon parameter", [](ProfileRecord& r) { r.set_lighting_parameter(3, 6); }, 1 + 0x79E, 6},
        {"standard effect", [](ProfileRecord& r) { r.set_standard_effect(1); }, 1 + 0x79F, 1},
        {"respiration effect", [](ProfileRecord& r) { r.set_respiration_effect(2); }, 1 + 0x7A0, 2},
        {"neon effect", [](ProfileRecord& r) { r.set_neon_effect(3); }, 1 + 0x7A1, 3},
        {"pointer precision", [](ProfileRecord& r) { r.set_pointer_precision(true); }, 1 + 0x7A3,
         1},
        {"scroll one screen", [](ProfileRecord& r) { r.set_scroll_one_screen(true); }, 1 + 0x7A4,
         1},
        {"pointer speed", [](ProfileRecord& r) { r.set_pointer_speed(11); }, 1 + 0x7A5, 11},
        {"wheel lines", [](ProfileRecord& r) { r.set_wheel_lines(12); }, 1 + 0x7A6, 12},
        {"double-click speed", [](ProfileRecord& r) { r.set_double_click_speed(13); }, 1 + 0x7A7,
         13},
        {"shown key mode", [](ProfileRecord& r) { r.set_shown_key_mode(KeyMode::B); }, 1 + 0x7A8,
         1},
        {"Mode A DPI switch, slot 0",
         [](ProfileRecord& r) { r.set_dpi_switch_code(KeyMode::A, 0, 3); }, 1 + 0x7A9, 3},
        {"Mode B DPI switch, slot 11",
         [](ProfileRecord& r) { r.set_dpi_switch_code(KeyMode::B, 11, 4); }, 1 + 0x7B5 + 11, 4},
    };
    for (const auto& f : fields) {
        ProfileRecord record;
        f.set(record);
        const ProfileFileBytes bytes = SerializeProfileFile({0, record});
        for (std::size_t offset = 0; offset < bytes.size(); ++offset) {
            EXPECT_EQ(bytes[offset], offset == f.file_offset ? f.value : 0)
                << f.field << ", file offset " << offset;
        }
    }
    EXPECT_EQ(SerializeProfileFile({1, ProfileRecord{}})[0], 1);
    EXPECT_EQ(kProfileFileSize, 1986u);
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
