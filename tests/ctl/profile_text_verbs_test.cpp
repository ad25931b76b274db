#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ctl/profile_report.h"
#include "profile/factory_profile.h"
#include "profile/key_function.h"
#include "profile/profile_file.h"
#include "support/ctl_run.h"
#include "support/scratch_folder.h"

namespace corvanti {
namespace {

using testing::Contains;
using testing::CtlRun;
using testing::ReadBytes;
using testing::RunCtl;
using testing::ScratchFolder;
using testing::WriteBytes;

std::string ReadText(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The worked example of the README: export, edit one button, import, diff, apply.
TEST(ProfileTextVerbs, ExportEditImportDiffAndApply) {
    const ScratchFolder folder;
    const std::string config = (folder / "config.bin").string();
    const ProfileFileBytes factory = SerializeProfileFile({1, FactoryProfile()});
    WriteBytes(config, factory);

    const std::string text = (folder / "profile.toml").string();
    const CtlRun exported = RunCtl({"export", config, text});
    ASSERT_EQ(exported.exit_code, 0) << exported.err;
    EXPECT_EQ(RunCtl({"export", config}).out, ReadText(text)) << "without OUT it prints";

    const std::string same = RunCtl({"diff", config, text}).out;
    EXPECT_EQ(same, "The profiles are the same.\n");

    WriteText(text, Replaced(ReadText(text), "button3 = { function = \"Mid Click\" }",
                             "button3 = { function = \"Single Key\", key = \"Esc\" }"));
    const std::string edited = (folder / "edited.bin").string();
    const CtlRun imported = RunCtl({"import", text, edited});
    ASSERT_EQ(imported.exit_code, 0) << imported.err;
    ProfileRecord expected = FactoryProfile();
    expected.set_slot(KeyMode::A, SlotField::FunctionType, 2, 11);
    expected.set_slot(KeyMode::A, SlotField::SingleKeyCode, 2, 0x29);
    EXPECT_TRUE(std::ranges::equal(ReadBytes(edited), SerializeProfileFile({1, expected})));

    const CtlRun diff = RunCtl({"diff", config, text});
    EXPECT_EQ(diff.exit_code, 0);
    EXPECT_EQ(diff.out,
              "mode_a.button3.function: \"Mid Click\" -> \"Single Key\"\n"
              "mode_a.button3.key: (none) -> \"Esc\"\n");

    const std::string state = (folder / "mouse.state").string();
    const CtlRun apply = RunCtl({"apply", text, "--simulated", state});
    ASSERT_EQ(apply.exit_code, 0) << apply.err;
    EXPECT_TRUE(Contains(
        apply.out, "Key matrix 1:" + FormatKeyMatrixWords(BuildKeyMatrix(expected, KeyMode::A))))
        << apply.out;
}

TEST(ProfileTextVerbs, BadTextWritesNothing) {
    const ScratchFolder folder;
    const std::string config = (folder / "config.bin").string();
    const ProfileFileBytes before = SerializeProfileFile({1, FactoryProfile()});
    WriteBytes(config, before);
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"report_rate = 300\n", "bad.toml: line 1, column 15: report_rate: 300 is not 125"},
        {"[mode_a]\nbutton1 = { function = \"Fire Key\", speed = 300 }\n",
         "bad.toml: line 2, column 44: mode_a.button1.speed: 300 is outside 5-255"},
        {"first_run_flag = 1\nfirst_run_flag = 1\n", "bad.toml: line 2"},
        {"\x01\x02 not text\n", "is 12 bytes long; a profile file is exactly 1986 bytes"},
    };
    for (const auto& c : cases) {
        WriteText(folder / "bad.toml", c.text);
        const CtlRun run = RunCtl({"import", (folder / "bad.toml").string(), config});
        EXPECT_EQ(run.exit_code, 1) << c.text;
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
        EXPECT_TRUE(std::ranges::equal(ReadBytes(config), before)) << c.text;
        const CtlRun diff = RunCtl({"diff", config, (folder / "bad.toml").string()});
        EXPECT_EQ(diff.exit_code, 1) << c.text;
        EXPECT_EQ(diff.out, "");
    }
    std::vector<std::string> names = folder.EntryNames();
    std::ranges::sort(names);
    EXPECT_EQ(names, (std::vector<std::string>{"bad.toml", "config.bin"}));
    const CtlRun missing = RunCtl({"import", (folder / "none.toml").string(), config});
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_TRUE(Contains(missing.err, "cannot read")) << missing.err;
}

// A text is told from a config.bin by its content, not its size; Windows line ends are text.
TEST(ProfileTextVerbs, TextOfAConfigBinsSizeOrWithWindowsLineEndsIsText) {
    const ScratchFolder folder;
    const std::string config = (folder / "config.bin").string();
    WriteBytes(config, SerializeProfileFile({1, FactoryProfile()}));
    const std::string text = RunCtl({"export", config}).out;
    std::string windows;
    for (const char c : text) {
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    ProfileRecord fast;
    fast.set_report_rate_code(1);
    const std::string short_text = "first_run_flag = 1\nreport_rate = 1000\n";
    const std::string padded =
        short_text + "#" + std::string(kProfileFileSize - short_text.size() - 2, 'x') + "\n";
    ASSERT_EQ(padded.size(), kProfileFileSize);
    const std::pair<std::string, ProfileFileBytes> cases[] = {
        {windows, SerializeProfileFile({1, FactoryProfile()})},
        {padded, SerializeProfileFile({1, fast})},
    };
    for (const auto& [variant, expected] : cases) {
        WriteText(folder / "profile.toml", variant);
        const std::string back = (folder / "back.bin").string();
        const CtlRun run = RunCtl({"import", (folder / "profile.toml").string(), back});
        ASSERT_EQ(run.exit_code, 0) << run.err;
        EXPECT_TRUE(std::ranges::equal(ReadBytes(back), expected)) << variant.size();
    }
}

TEST(ProfileTextVerbs, BadCommandLinesShowUsage) {
    const std::vector<std::string> cases[] = {
        {"export"},
        {"export", "c.bin", "out", "--sensor"},
        {"export", "c.bin", "--sensor", "4"},
        {"export", "c.bin", "--sensor", "x"},
        {"export", "c.bin", "out", "--speed", "1"},
        {"import", "t.toml"},
        {"import", "t.toml", "c.bin", "extra"},
        {"diff", "a"},
        {"diff", "a", "b", "c"},
    };
    for (const auto& arguments : cases) {
        const CtlRun run = RunCtl(arguments);
        EXPECT_EQ(run.exit_code, 2) << ::testing::PrintToString(arguments);
        EXPECT_TRUE(Contains(run.err, "usage")) << run.err;
    }
}

}  // namespace
}  // namespace corvanti
