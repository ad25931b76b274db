#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "ctl/apply_verb.h"
#include "ctl/profile_report.h"
#include "profile/factory_profile.h"
#include "profile/profile_file.h"
#include "sim/simulated_mouse.h"
#include "support/ctl_run.h"
#include "support/scratch_folder.h"

namespace corvanti {
namespace {

using testing::CtlRun;
using testing::ReadBytes;
using testing::RunCtl;
using testing::ScratchFolder;
using testing::WriteBytes;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string MatrixLine(int number, const KeyMatrix& matrix) {
    return "Key matrix " + std::to_string(number) + ":" + FormatKeyMatrixWords(matrix) + "\n";
}

// The factory layout with one button changed in each key mode, so that a mouse still holding
// its factory matrices shows.
ProfileRecord ChangedProfile() {
    ProfileRecord profile = FactoryProfile();
    profile.set_slot(KeyMode::A, SlotField::FunctionType, 2, 15);
    profile.set_slot(KeyMode::B, SlotField::FunctionType, 4, 15);
    return profile;
}

TEST(SimulatedMouseVerbs, ApplyMakesTheMouseHoldTheProfileAndLeavesTheFileAlone) {
    const struct {
        const char* what;
        ProfileRecord profile;
    } cases[] = {{"factory", FactoryProfile()}, {"changed", ChangedProfile()}};
    for (const auto& c : cases) {
        const ScratchFolder folder;
        const std::string file = (folder / "config.bin").string();
        const std::string state = (folder / "mouse.state").string();
        const ProfileFileBytes bytes = SerializeProfileFile({1, c.profile});
        WriteBytes(file, bytes);

        const CtlRun apply = RunCtl({"apply", file, "--simulated", state, "--sensor", "2"});
        ASSERT_EQ(apply.exit_code, 0) << c.what << apply.err;
        EXPECT_TRUE(std::ranges::equal(ReadBytes(file), bytes)) << c.what;

        const CtlRun mouse = RunCtl({"mouse", state});
        ASSERT_EQ(mouse.exit_code, 0) << c.what << mouse.err;
        EXPECT_EQ(mouse.out, apply.out) << c.what;
        EXPECT_TRUE(Contains(mouse.out, MatrixLine(1, BuildKeyMatrix(c.profile, KeyMode::A))));
        EXPECT_TRUE(Contains(mouse.out, MatrixLine(2, KeyMatrix{})));
        EXPECT_TRUE(Contains(mouse.out, MatrixLine(3, BuildKeyMatrix(c.profile, KeyMode::B))));
        EXPECT_TRUE(Contains(mouse.out, MatrixLine(4, KeyMatrix{})));
        EXPECT_TRUE(Contains(mouse.out, "  Sensor type: 2\n")) << mouse.out;
        EXPECT_TRUE(Contains(mouse.out, "  Option 2: 0x4")) << "accept bit set";
        EXPECT_EQ(mouse.err, "");
    }
}

TEST(SimulatedMouseVerbs, SensorTypeIsOnlyTakenForANewMouse) {
    const ScratchFolder folder;
    const std::string file = (folder / "config.bin").string();
    const std::string state = (folder / "mouse.state").string();
    WriteBytes(file, SerializeProfileFile({0, ChangedProfile()}));
    ASSERT_EQ(RunCtl({"apply", file, "--simulated", state, "--sensor", "3"}).exit_code, 0);
    const CtlRun again = RunCtl({"apply", file, "--sensor", "1", "--simulated", state});
    ASSERT_EQ(again.exit_code, 0) << again.err;
    EXPECT_TRUE(Contains(again.out, "  Sensor type: 3\n")) << again.out;
}

TEST(SimulatedMouseVerbs, TrafficLogIsWrittenOnlyWhenAsked) {
    for (const bool asked : {false, true}) {
        const ScratchFolder folder;
        const std::string file = (folder / "config.bin").string();
        WriteBytes(file, SerializeProfileFile({0, ChangedProfile()}));
        std::vector<std::string> arguments = {"apply", file, "--simulated",
                                              (folder / "mouse.state").string()};
        if (asked) {
            arguments.insert(arguments.end(), {"--traffic", (folder / "traffic.log").string()});
        }
        ASSERT_EQ(RunCtl(arguments).exit_code, 0) << asked;
        std::vector<std::string> names = folder.EntryNames();
        std::ranges::sort(names);
        if (!asked) {
            EXPECT_EQ(names, (std::vector<std::string>{"config.bin", "mouse.state"}));
            continue;
        }
        EXPECT_EQ(names, (std::vector<std::string>{"config.bin", "mouse.state", "traffic.log"}));
        const std::vector<std::uint8_t> log = ReadBytes(folder / "traffic.log");
        const std::string text(log.begin(), log.end());
        EXPECT_TRUE(Contains(text, "> feature ")) << text.substr(0, 200);
        EXPECT_TRUE(Contains(text, "> output ")) << text.substr(0, 200);
    }
}

TEST(SimulatedMouseVerbs, ApplyRefusesAFileThatIsNotAProfileAndMakesNoMouse) {
    const ScratchFolder folder;
    WriteBytes(folder / "short.bin", std::vector<std::uint8_t>(kProfileFileSize - 1));
    WriteBytes(folder / "long.bin", std::vector<std::uint8_t>(kProfileFileSize + 1));
    const std::pair<std::string, std::string> cases[] = {
        {"short.bin", "is 1985 bytes long; a profile file is exactly 1986 bytes"},
        {"long.bin", "is 1987 bytes long; a profile file is exactly 1986 bytes"},
        {"missing.bin", "cannot read"},
    };
    const std::string state = (folder / "mouse.state").string();
    for (const auto& [name, message] : cases) {
        const CtlRun run = RunCtl({"apply", (folder / name).string(), "--simulated", state});
        EXPECT_EQ(run.exit_code, 1) << name;
        EXPECT_EQ(run.out, "") << name;
        EXPECT_TRUE(Contains(run.err, message)) << run.err;
        EXPECT_FALSE(std::filesystem::exists(state)) << name;
    }
}

TEST(SimulatedMouseVerbs, BrokenOrMissingStateIsRefusedAndLeftAsItWas) {
    const std::string whole = FormatMouseState(FactoryMouseState(0));
    const std::string cases[] = {
        "not a mouse at all\n",
        whole.substr(0, whole.rfind('\n', whole.size() - 2) + 1),  // last block missing
        whole + whole,                                             // every block twice
        std::string(3000, '\xff'),
    };
    for (const std::string& content : cases) {
        const ScratchFolder folder;
        const std::string file = (folder / "config.bin").string();
        const std::string state = (folder / "mouse.state").string();
        WriteBytes(file, SerializeProfileFile({0, FactoryProfile()}));
        WriteBytes(state, std::vector<std::uint8_t>(content.begin(), content.end()));
        for (const std::vector<std::string>& arguments :
             {std::vector<std::string>{"mouse", state},
              std::vector<std::string>{"apply", file, "--simulated", state}}) {
            const CtlRun run = RunCtl(arguments);
            EXPECT_EQ(run.exit_code, 1) << arguments[0];
            EXPECT_EQ(run.out, "") << arguments[0];
            EXPECT_TRUE(Contains(run.err, "simulated mouse")) << run.err;
        }
        const std::vector<std::uint8_t> after = ReadBytes(state);
        EXPECT_EQ(std::string(after.begin(), after.end()), content);
    }
    const ScratchFolder folder;
    const CtlRun missing = RunCtl({"mouse", (folder / "none.state").string()});
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_TRUE(Contains(missing.err, "cannot read")) << missing.err;
    EXPECT_TRUE(folder.EntryNames().empty());
}

TEST(SimulatedMouseVerbs, AMouseThatIsNotAcceptedGetsNothing) {
    SimulatedMouseOptions options;
    options.handshake = HandshakeStyle::Plain;
    std::string error;
    const auto mouse = SimulatedMouse::Create(options, error);
    ASSERT_NE(mouse, nullptr) << error;
    const SimulatedMouseState before = mouse->state();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(ApplyToArrivingMouse(ChangedProfile(), *mouse, out, err), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_TRUE(Contains(err.str(), "was not accepted")) << err.str();
    EXPECT_EQ(mouse->state(), before);
}

TEST(SimulatedMouseVerbs, BadApplyCommandLinesShowUsage) {
    const std::vector<std::string> cases[] = {
        {"apply", "f.bin", "--simulated"},
        {"apply", "--simulated", "s", "f.bin"},
        {"apply", "f.bin", "--sensor", "1", "--traffic", "t"},
        {"apply", "f.bin", "--simulated", "s", "--simulated", "t"},
        {"apply", "f.bin", "--simulated", "s", "--speed", "9"},
        {"apply", "f.bin", "--simulated", "s", "--sensor"},
        {"apply", "f.bin", "--simulated", "s", "--sensor", "256"},
        {"apply", "f.bin", "--simulated", "s", "--sensor", "-1"},
        {"apply", "f.bin", "--simulated", "s", "--sensor", "2x"},
        {"apply", "f.bin", "--simulated", "s", "--sensor", ""},
        {"apply", "f.bin", "--simulated", "s", "--sensor", "1", "--traffic", "t", "extra"},
        {"apply", "f.bin", "--sensor", "1"},
        {"apply", "f.bin", "--traffic", "t"},
        {"mouse", "a", "b"},
    };
    for (const auto& arguments : cases) {
        const CtlRun run = RunCtl(arguments);
        EXPECT_EQ(run.exit_code, 2) << ::testing::PrintToString(arguments);
        EXPECT_TRUE(Contains(run.err, "usage")) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace corvanti
