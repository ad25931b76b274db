#include "ctl/ctl_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "profile/factory_profile.h"
#include "profile/profile_file.h"
#include "support/ctl_run.h"
#include "support/scratch_folder.h"

namespace corvanti {
namespace {

using testing::CtlRun;
using testing::ReadBytes;
using testing::RunCtl;
using testing::ScratchFolder;
using testing::WriteBytes;

TEST(CtlCommands, WriteDefaultWritesTheFactoryProfileNotYetSaved) {
    ScratchFolder folder;
    const std::string path = (folder / "config.bin").string();
    const CtlRun run = RunCtl({"write-default", path});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    const ProfileFileBytes expected = SerializeProfileFile({0, FactoryProfile()});
    EXPECT_TRUE(std::ranges::equal(bytes, expected));
}

TEST(CtlCommands, ShowPrintsAWholeProfileFile) {
    ScratchFolder folder;
    const std::string path = (folder / "config.bin").string();
    WriteBytes(path, SerializeProfileFile({1, FactoryProfile()}));
    const CtlRun run = RunCtl({"show", path});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_TRUE(run.out.starts_with("First-run flag: 1\n"));
    EXPECT_NE(run.out.find("Key matrix 3 (Mode B): 00f00001"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

TEST(CtlCommands, ShowRefusesFilesThatAreNotAProfile) {
    ScratchFolder folder;
    WriteBytes(folder / "short.bin", std::vector<std::uint8_t>(kProfileFileSize - 1));
    WriteBytes(folder / "long.bin", std::vector<std::uint8_t>(kProfileFileSize + 1));
    std::filesystem::create_directory(folder / "folder.bin");
    const std::pair<std::string, std::string> cases[] = {
        {"short.bin", "is 1985 bytes long; a profile file is exactly 1986 bytes"},
        {"long.bin", "is 1987 bytes long; a profile file is exactly 1986 bytes"},
        {"missing.bin", "cannot read"},
        {"folder.bin", "cannot read"},
    };
    for (const auto& [name, message] : cases) {
        const CtlRun run = RunCtl({"show", (folder / name).string()});
        EXPECT_EQ(run.exit_code, 1) << name;
        EXPECT_EQ(run.out, "") << name;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}

// Paths arrive in UTF-8 whatever the system's code page: the files named are the files used.
TEST(CtlCommands, PathsWithCharactersOutsideAsciiNameTheirFiles) {
    ScratchFolder folder;
    const std::filesystem::path profile =
        folder.path() / std::filesystem::path(u8"Profil-été-配置.bin");
    const std::filesystem::path state = folder.path() / std::filesystem::path(u8"Maus-ü-鼠标.txt");
    const auto utf8 = [](const std::filesystem::path& path) {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    };
    EXPECT_EQ(RunCtl({"write-default", utf8(profile)}).exit_code, 0);
    EXPECT_TRUE(std::filesystem::exists(profile));
    EXPECT_EQ(RunCtl({"show", utf8(profile)}).exit_code, 0);
    const CtlRun apply = RunCtl({"apply", utf8(profile), "--simulated", utf8(state)});
    EXPECT_EQ(apply.exit_code, 0) << apply.err;
    EXPECT_TRUE(std::filesystem::exists(state));
    EXPECT_EQ(RunCtl({"mouse", utf8(state)}).out, apply.out);
}

TEST(CtlCommands, BadCommandLinesShowUsage) {
    const std::vector<std::string> cases[] = {
        {}, {"frobnicate"}, {"show"}, {"show", "a", "b"}, {"write-default"}, {"write-settings"}};
    for (const auto& arguments : cases) {
        const CtlRun run = RunCtl(arguments);
        EXPECT_EQ(run.exit_code, 2);
        EXPECT_NE(run.err.find("usage"), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace corvanti
