#include "device/apply_sequence.h"

#include <gtest/gtest.h>

#include <random>

#include "device/dpi_codes.h"
#include "fake_hid.h"
#include "firmware_on_wire.h"
#include "support/sample_profile.h"

namespace corvanti {
namespace {

using testing::Crossing;
using Kind = Crossing::Kind;
using std::chrono::milliseconds;

// Records when the file writes happen, measured in reports that had crossed the wire by then.
class RecordingPersistence : public ApplyPersistence {
  public:
    explicit RecordingPersistence(const testing::Wire& wire) : wire_(wire) {}
    void SaveProfile() override { calls.emplace_back("save", wire_.traffic.size()); }
    void WriteCaptions() override { calls.emplace_back("captions", wire_.traffic.size()); }
    std::vector<std::pair<std::string, std::size_t>> calls;

  private:
    const testing::Wire& wire_;
};

class ApplySequenceTest : public ::testing::Test {
  protected:
    ApplySequenceTest() {
        testing::AttachScriptedCommandChannel(link_, wire_);
        link_.xor_key = HandshakeXorKey();
        link_.scrambling.store(1);
        link_.connected.store(1);
        mirror_.dpi_sensor_type = 2;
        mouse_.AcceptWithoutTraffic();
    }

    void Apply() { RunApply(profile_, commands_, persistence_); }

    std::vector<std::uint8_t> Codes() const {
        std::vector<std::uint8_t> codes;
        for (const auto& request : mouse_.requests) {
            codes.push_back(Unscramble(request, HandshakeXorKey())[0]);
        }
        return codes;
    }

    std::shared_ptr<testing::Wire> wire_ = std::make_shared<testing::Wire>();
    testing::FirmwareOnWire mouse_{wire_, testing::DistinctMouseState(), HandshakeStyle::Scrambled};
    LinkState link_;
    DeviceMirror mirror_;
    testing::RecordingClock clock_;
    testing::RecordingMessages trace_;
    PacketTransport transport_{link_, clock_};
    DeviceCommands commands_{transport_, mirror_, clock_, trace_};
    RecordingPersistence persistence_{*wire_};
    ProfileRecord profile_ = testing::SampleProfile();
};

TEST_F(ApplySequenceTest, SendsEveryStepInOrderWithTheStatedTrafficAndPauses) {
    Apply();
    std::vector<std::uint8_t> expected = {0x01, 0x8D, 0x87, 0x87, 0x90, 0x90,
                                          0x10, 0x10, 0x07, 0x07, 0x0D, 0x11};
    expected.insert(expected.end(), 12, 0x13);
    expected.insert(expected.end(), 12, 0x93);
    expected.insert(expected.end(), 4, 0x12);
    EXPECT_EQ(Codes(), expected);
    EXPECT_EQ(wire_->Count(Kind::SetFeature), 40u);
    EXPECT_EQ(wire_->Count(Kind::GetFeature), 17u);
    EXPECT_EQ(wire_->Count(Kind::Output), 59u);
    EXPECT_EQ(wire_->Count(Kind::Input), 50u);
    EXPECT_EQ(std::count(clock_.pauses.begin(), clock_.pauses.end(), milliseconds(2)), 36);
    EXPECT_EQ(std::count(clock_.pauses.begin(), clock_.pauses.end(), milliseconds(3)), 59);
    EXPECT_EQ(clock_.Total(), milliseconds(249));
    const std::size_t all = wire_->traffic.size();
    EXPECT_EQ(persistence_.calls,
              (std::vector<std::pair<std::string, std::size_t>>{{"save", all}, {"captions", all}}));
}

TEST_F(ApplySequenceTest, LeavesTheMouseHoldingTheProfile) {
    const auto& mouse = mouse_.state();
    const SettingsBlock settings0_before = mouse.settings[0];
    const LightingDetailBlock detail1_before = mouse.lighting_detail[1];
    Apply();
    EXPECT_EQ(mouse.report_rate(), 2);
    EXPECT_EQ(mouse.key_matrices[0], BuildKeyMatrix(profile_, KeyMode::A));
    EXPECT_EQ(mouse.key_matrices[1], KeyMatrix{});
    EXPECT_EQ(mouse.key_matrices[2], BuildKeyMatrix(profile_, KeyMode::B));
    EXPECT_EQ(mouse.key_matrices[3], KeyMatrix{});
    EXPECT_EQ(mouse.dpi_stage_codes, BuildDpiStageCodes(2, profile_));
    EXPECT_EQ(mouse.dpi_stage_codes,
              (std::array<std::uint8_t, 8>{0x02, 0x06, 0x8A, 0x2A, 0x80, 0x80, 0x80, 0x80}));
    SettingsBlock colours{};
    const auto profile_colours = profile_.dpi_colour_bytes();
    std::copy(profile_colours.begin(), profile_colours.end(), colours.begin());
    EXPECT_EQ(mouse.settings[1], colours);
    EXPECT_EQ(mouse.settings[0], settings0_before);
    EXPECT_EQ(testing::LightingOf(mouse),
              (LightingBlock{3, 5, 7}));  // option 2 as the mouse had it
    EXPECT_EQ(mouse.lighting_detail[0], (LightingDetailBlock{2, 0x64, 0x0A}));
    EXPECT_EQ(mouse.lighting_detail[1], detail1_before);
    const MacroArea macros = testing::MacroAreaOf(mouse);
    EXPECT_TRUE(std::equal(macros.begin(), macros.end(), profile_.macro_area().begin()));
    EXPECT_EQ(mirror_.macro_area, macros);  // read back
}

std::vector<Crossing> Outputs(const std::vector<Crossing>& traffic) {
    std::vector<Crossing> outputs;
    std::copy_if(traffic.begin(), traffic.end(), std::back_inserter(outputs),
                 [](const Crossing& crossing) { return crossing.kind == Kind::Output; });
    return outputs;
}

// The first run changes what the mouse answers (lighting detail, colours); from then on every
// run is the same, and the data sent never changes.
TEST_F(ApplySequenceTest, RunsInARowSendIdenticalTraffic) {
    Apply();
    const auto first = wire_->traffic;
    wire_->traffic.clear();
    Apply();
    const auto second = wire_->traffic;
    wire_->traffic.clear();
    Apply();
    EXPECT_TRUE(wire_->traffic == second);
    EXPECT_TRUE(Outputs(first) == Outputs(second));
    EXPECT_EQ(first.size(), second.size());
}

TEST_F(ApplySequenceTest, MouseLostMidwayStillFinishesBoundedAndSaves) {
    std::size_t packets = 0;
    auto mouse_script = wire_->on_set_feature;
    wire_->on_set_feature = [&](testing::Wire& wire, const testing::Report& report) {
        mouse_script(wire, report);
        if (++packets == 5) {
            wire.unplugged = true;  // pulled out in the middle of the settings reads
        }
    };
    Apply();
    EXPECT_EQ(persistence_.calls.size(), 2u);
    EXPECT_LE(wire_->read_timeouts.size(), 14u);  // at most one wait per data-phase read
    for (auto timeout : wire_->read_timeouts) {
        EXPECT_LE(timeout, kDataReportReadTimeout);
    }
}

TEST_F(ApplySequenceTest, MouseThatAnswersButSendsNoDataCostsOneWaitPerRead) {
    auto mouse_script = wire_->on_set_feature;
    wire_->on_set_feature = [&](testing::Wire& wire, const testing::Report& report) {
        mouse_script(wire, report);
        wire.input_reports.clear();
    };
    mirror_.settings[0].fill(0xEE);
    Apply();
    EXPECT_EQ(wire_->Count(Kind::SetFeature), 40u);  // every write still goes out
    EXPECT_EQ(wire_->Count(Kind::Output), 59u);
    EXPECT_EQ(wire_->read_timeouts.size(), 14u);
    EXPECT_EQ(mirror_.settings[0], SettingsBlock{});  // the missing data read as zeros
    EXPECT_EQ(persistence_.calls.size(), 2u);
}

}  // namespace
}  // namespace corvanti

namespace corvanti {
namespace {

// A mouse that answers every request with random bytes, random report sizes (some longer than
// any buffer) and random amounts of data: Apply must neither crash nor hang nor write outside
// the mirror, and must always finish with the save.
TEST(ApplySequenceHostileMouse, GarbageAnswersNeverBreakTheRun) {
    std::mt19937 random(11);
    auto byte = [&] { return static_cast<std::uint8_t>(random() & 0xFF); };
    for (int round = 0; round < 100; ++round) {
        auto wire = std::make_shared<testing::Wire>();
        wire->on_set_feature = [&](testing::Wire& w, const testing::Report&) {
            if (random() % 4 == 0) {
                return;  // no answer at all
            }
            testing::Report answer(random() % 40, 0);
            std::generate(answer.begin(), answer.end(), byte);
            w.feature_answers.push_back(answer);
            for (std::size_t i = random() % 10; i > 0; --i) {
                testing::Report input(random() % 80, 0);
                std::generate(input.begin(), input.end(), byte);
                w.input_reports.push_back(input);
            }
        };
        LinkState link;
        link.command = std::make_unique<testing::ScriptedCollection>(wire);
        link.feature_length = static_cast<std::uint16_t>(random() % 20);
        link.input_length = static_cast<std::uint16_t>(random() % 40);
        link.output_length = static_cast<std::uint16_t>(random() % 40);
        link.scrambling.store(static_cast<int>(random() % 2));
        link.xor_key = HandshakeXorKey();
        DeviceMirror mirror;
        mirror.dpi_sensor_type = byte();
        testing::RecordingClock clock;
        testing::RecordingMessages trace;
        PacketTransport transport(link, clock);
        DeviceCommands commands(transport, mirror, clock, trace);
        RecordingPersistence persistence(*wire);
        ProfileRecord profile;
        std::generate(profile.bytes().begin(), profile.bytes().end(), byte);
        RunApply(profile, commands, persistence);
        ASSERT_EQ(persistence.calls.size(), 2u) << round;
        EXPECT_EQ(wire->Count(Kind::SetFeature), 40u);
        EXPECT_EQ(wire->Count(Kind::Output), 59u);
        EXPECT_LE(wire->read_timeouts.size(), 14u * 8u);
    }
}

}  // namespace
}  // namespace corvanti
