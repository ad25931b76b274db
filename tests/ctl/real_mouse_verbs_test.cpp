#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ctl/apply_verb.h"
#include "ctl/mouse_report.h"
#include "ctl/mouse_verb.h"
#include "profile/key_function.h"
#include "sim/simulated_mouse.h"
#include "support/ctl_run.h"
#include "support/sample_profile.h"

namespace corvanti {
namespace {

using testing::Contains;

// The line of a report that starts with `head`.
std::string LineOf(const std::string& report, const std::string& head) {
    const std::size_t at = report.find(head);
    return at == std::string::npos ? std::string() : report.substr(at, report.find('\n', at) - at);
}

std::shared_ptr<SimulatedMouse> MakeMouse(HandshakeStyle handshake = HandshakeStyle::Scrambled) {
    SimulatedMouseOptions options;
    options.sensor_type = 2;
    options.handshake = handshake;
    std::string error;
    auto mouse = SimulatedMouse::Create(options, error);
    EXPECT_NE(mouse, nullptr) << error;
    return mouse;
}

class NoHidDevices : public HidDiscovery {
  public:
    bool ListInterfaces(std::vector<HidInterfaceInfo>& interfaces) override {
        interfaces.clear();
        return true;
    }
    std::unique_ptr<HidCollection> Open(const std::string&, OpenPurpose) override {
        return nullptr;
    }
};

using testing::CtlRun;

// One verb called directly, with what it printed.
template <typename Verb>
CtlRun RunVerb(Verb verb) {
    std::ostringstream out;
    std::ostringstream err;
    const int exit_code = verb(out, err);
    return {exit_code, out.str(), err.str()};
}

// The simulated mouse stands in for the real one: the same seam, the same firmware contract.
TEST(RealMouseVerbs, ApplyTellsWhatItSentAndWhatTheMouseAnswersFor) {
    const auto mouse = MakeMouse();
    const ProfileRecord profile = testing::SampleProfile();
    const CtlRun apply = RunVerb([&](std::ostream& out, std::ostream& err) {
        return ApplyToMouse(profile, *mouse, out, err);
    });
    ASSERT_EQ(apply.exit_code, 0) << apply.err;
    EXPECT_EQ(apply.err, "");
    EXPECT_EQ(mouse->state().key_matrices[0], BuildKeyMatrix(profile, KeyMode::A));
    EXPECT_EQ(mouse->state().key_matrices[2], BuildKeyMatrix(profile, KeyMode::B));
    EXPECT_TRUE(apply.out.starts_with("Applied the profile to the mouse:\n")) << apply.out;
    EXPECT_TRUE(Contains(apply.out, "  DPI stage count 4, codes: 02 06 8a 2a 80 80 80 80\n"))
        << apply.out;
    EXPECT_TRUE(Contains(apply.out, "What the mouse holds now:\n"));
    EXPECT_TRUE(
        Contains(apply.out, "DPI stages and key matrices: the mouse offers no read of them"));

    // What the mouse answered for is what it holds, block by block.
    const std::string held = FormatMouseReport(mouse->state());
    for (const char* head :
         {"Sensor block:", "Lighting block:", "Lighting detail 1:", "Settings block 1:",
          "Settings block 2:", "  Macro 1:", "  Macro 12:"}) {
        EXPECT_EQ(LineOf(apply.out, head), LineOf(held, head)) << head;
        EXPECT_NE(LineOf(apply.out, head), "") << head;
    }

    const CtlRun shown = RunVerb(
        [&](std::ostream& out, std::ostream& err) { return ShowRealMouse(*mouse, out, err); });
    ASSERT_EQ(shown.exit_code, 0) << shown.err;
    EXPECT_TRUE(apply.out.ends_with(shown.out)) << shown.out;
}

TEST(RealMouseVerbs, NoMouseOrAMouseThatIsNotAcceptedEndsWithAMessage) {
    NoHidDevices nothing;
    const auto plain = MakeMouse(HandshakeStyle::Plain);
    const SimulatedMouseState before = plain->state();
    const struct {
        const char* what;
        HidDiscovery& discovery;
        const char* message;
    } cases[] = {
        {"no mouse", nothing,
         "the mouse was not found\ncorvanti-ctl: no HID device with vendor id 04d9"},
        {"plain handshake", *plain, "the mouse was not accepted: it does not answer the handshake"},
    };
    for (const auto& c : cases) {
        const CtlRun runs[] = {
            RunVerb([&](std::ostream& out, std::ostream& err) {
                return ApplyToMouse(testing::SampleProfile(), c.discovery, out, err);
            }),
            RunVerb([&](std::ostream& out, std::ostream& err) {
                return ShowRealMouse(c.discovery, out, err);
            }),
        };
        for (const CtlRun& run : runs) {
            EXPECT_EQ(run.exit_code, 1) << c.what;
            EXPECT_EQ(run.out, "") << c.what;
            EXPECT_TRUE(Contains(run.err, c.message)) << c.what << ": " << run.err;
        }
    }
    EXPECT_EQ(plain->state(), before) << "a mouse that is not accepted gets nothing";
}

// Without --simulated the profile is read before any mouse is looked for.
TEST(RealMouseVerbs, ABadProfileEndsTheApplyBeforeAnyMouseIsSought) {
    const testing::CtlRun run = testing::RunCtl({"apply", "no-such-profile.bin"});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_TRUE(Contains(run.err, "cannot read no-such-profile.bin")) << run.err;
    EXPECT_FALSE(Contains(run.err, "mouse")) << run.err;
}

}  // namespace
}  // namespace corvanti
