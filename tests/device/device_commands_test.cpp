#include "device/device_commands.h"

#include <gtest/gtest.h>

#include "device/dpi_codes.h"
#include "fake_hid.h"
#include "firmware_on_wire.h"

namespace corvanti {
namespace {

using testing::Crossing;
using testing::Report;
using Kind = Crossing::Kind;

class DeviceCommandsTest : public ::testing::Test {
  protected:
    DeviceCommandsTest() { testing::AttachScriptedCommandChannel(link_, wire_); }

    // Answers every request with the next scripted packet and input reports.
    void Script(std::vector<CommandPacket> answers, std::vector<Report> inputs = {}) {
        for (const auto& answer : answers) {
            wire_->feature_answers.push_back(testing::FeatureReportOf(WithChecksum(answer)));
        }
        wire_->input_reports.assign(inputs.begin(), inputs.end());
    }

    static Report Data(std::uint8_t fill) {
        Report report(33, fill);
        report[0] = 0;
        return report;
    }

    std::shared_ptr<testing::Wire> wire_ = std::make_shared<testing::Wire>();
    LinkState link_;
    DeviceMirror mirror_;
    testing::RecordingClock clock_;
    testing::RecordingMessages trace_;
    PacketTransport transport_{link_, clock_};
    DeviceCommands commands_{transport_, mirror_, clock_, trace_};
};

TEST_F(DeviceCommandsTest, SingleCommandsCarryTheirExactBytes) {
    mirror_.report_rate = 1;
    commands_.SetReportRate();
    commands_.ReadSensorBlock();
    commands_.ReadLightingBlock();
    EXPECT_EQ(wire_->traffic,
              (std::vector<Crossing>{
                  {Kind::SetFeature, testing::FeatureReportOf({1, 1, 0, 0, 0, 0, 0, 0xFD})},
                  {Kind::SetFeature, testing::FeatureReportOf({0x83, 0, 0, 0, 0, 0, 0, 0x7C})},
                  {Kind::SetFeature, testing::FeatureReportOf({0x8D, 0, 0, 0, 0, 0, 0, 0x72})}}));
}

TEST_F(DeviceCommandsTest, KeyMatrixTwoIsSixtyFourZeroBytesInTwoReports) {
    commands_.WriteKeyMatrices();
    ASSERT_EQ(wire_->traffic.size(), 12u);  // four packets with two reports each
    EXPECT_EQ(wire_->traffic[3].bytes,
              testing::FeatureReportOf({0x12, 0x02, 0x40, 0, 0, 0, 0, 0xAB}));
    EXPECT_EQ(wire_->traffic[4].bytes, Data(0));
    EXPECT_EQ(wire_->traffic[5].bytes, Data(0));
    EXPECT_EQ(wire_->traffic[6].kind, Kind::SetFeature);
    ASSERT_EQ(trace_.traces.size(), 4u);
    EXPECT_EQ(trace_.traces[1].substr(0, 36), "Write KeyMatrix[2]:\n00000000\n 000000");
}

TEST_F(DeviceCommandsTest, MacroTwelveIsFourReportsOfItsBlock) {
    mirror_.macro_area[11 * 128] = 0x42;
    commands_.WriteMacro(12);
    ASSERT_EQ(wire_->traffic.size(), 5u);
    EXPECT_EQ(wire_->traffic[0].bytes,
              testing::FeatureReportOf({0x13, 0x0C, 0x80, 0, 0, 0, 0, 0x60}));
    EXPECT_EQ(wire_->traffic[1].bytes[1], 0x42);
    EXPECT_EQ(wire_->Count(Kind::Output), 4u);
}

TEST_F(DeviceCommandsTest, SecondLightingDetailRequestCarriesTheFirstAnswer) {
    Script({{0x87, 0, 9, 8, 7, 5, 6}, {0x87, 1, 3, 2, 1}});
    commands_.ReadLightingDetailBlocks();
    EXPECT_EQ(wire_->traffic.at(2).bytes,
              testing::FeatureReportOf(WithChecksum({0x87, 1, 9, 8, 7, 5, 6})));
    EXPECT_EQ(mirror_.lighting_detail[0], (LightingDetailBlock{9, 8, 7}));
    EXPECT_EQ(mirror_.lighting_detail[1], (LightingDetailBlock{3, 2, 1}));
    EXPECT_EQ(clock_.Total(), std::chrono::milliseconds(4));
}

TEST_F(DeviceCommandsTest, AnswersNamingAnUnknownBlockChangeNothing) {
    Script({{0x87, 2, 9, 9, 9}, {0x87, 0xFF, 9, 9, 9}, {0x90, 2, 24}, {0x90, 0xFF, 24}},
           {Data(0x77), Data(0x77)});
    commands_.ReadLightingDetailBlocks();
    commands_.ReadSettingsBlocks();
    EXPECT_EQ(mirror_, DeviceMirror{});
}

TEST_F(DeviceCommandsTest, SettingsAnswerCopiesTheAnnouncedLengthAtMostTheBlock) {
    mirror_.settings[0].fill(0xEE);
    // Block 1 first (the answer names it, announcing 255 bytes), then block 0 with ten bytes.
    std::vector<Report> queued(9, Data(0x33));
    Script({{0x90, 1, 0xFF}, {0x90, 0, 10}}, queued);
    commands_.ReadSettingsBlocks();
    SettingsBlock expected_1;
    expected_1.fill(0x33);
    EXPECT_EQ(mirror_.settings[1], expected_1);
    SettingsBlock expected_0;
    expected_0.fill(0xEE);
    std::fill_n(expected_0.begin(), 10, 0x33);
    EXPECT_EQ(mirror_.settings[0], expected_0);
    EXPECT_TRUE(wire_->input_reports.empty());
}

TEST_F(DeviceCommandsTest, MacroReadBackGoesToTheNamedBlockOnly) {
    struct Case {
        std::uint8_t named;
        std::uint8_t length;
        std::size_t changed_block;  // 12: none
        std::size_t copied;
    };
    const Case cases[] = {{3, 128, 2, 128}, {3, 40, 2, 40},   {5, 0xFF, 4, 128},
                          {0, 128, 12, 0},  {13, 128, 12, 0}, {0xFF, 128, 12, 0}};
    for (const auto& c : cases) {
        mirror_ = DeviceMirror{};
        std::vector<Report> inputs(DataReportCount(c.length), Data(0x5C));
        Script({{0x93, c.named, c.length}}, inputs);
        commands_.ReadMacro(1);
        MacroArea expected{};
        if (c.changed_block < 12) {
            std::fill_n(expected.begin() + static_cast<std::ptrdiff_t>(c.changed_block * 128),
                        c.copied, 0x5C);
        }
        EXPECT_EQ(mirror_.macro_area, expected) << int{c.named} << "/" << int{c.length};
    }
}

TEST_F(DeviceCommandsTest, SensorRefreshKeepsTheBlockAndSetsTheAcceptBit) {
    Script({{0x83, 3, 0x04, 0x11, 0x82}});
    commands_.RefreshSensorBlock();
    EXPECT_EQ(mirror_.dpi_sensor_type, 3);
    EXPECT_EQ(wire_->traffic.back().bytes,
              testing::FeatureReportOf(WithChecksum({0x03, 3, 0x04, 0x11, 0xC2})));
    EXPECT_EQ(trace_.traces.at(0), "Sensor Type:03\n,,Rate:04\n,Option1:11\n,Option2:82\n");
}

TEST_F(DeviceCommandsTest, ScrambledMouseTakesWritesAndAnswersReads) {
    testing::FirmwareOnWire mouse(wire_, testing::DistinctMouseState(), HandshakeStyle::Scrambled);
    mouse.AcceptWithoutTraffic();
    link_.xor_key = HandshakeXorKey();
    link_.scrambling.store(1);
    mirror_.settings[1].fill(0x19);
    commands_.WriteSettingsBlocks();
    mirror_.lighting = {3, 4, 5};
    commands_.WriteLightingBlock();
    EXPECT_EQ(mouse.state().settings[1], mirror_.settings[1]);
    EXPECT_EQ(testing::LightingOf(mouse.state()), mirror_.lighting);
    mirror_ = DeviceMirror{};
    commands_.ReadSettingsBlocks();
    commands_.ReadLightingBlock();
    EXPECT_EQ(mirror_.settings, mouse.state().settings);
    EXPECT_EQ(mirror_.lighting, testing::LightingOf(mouse.state()));
}

TEST(DpiCodes, BaseCodeComesFromTheSensorsTableAndZeroOutsideIt) {
    struct Case {
        std::uint8_t sensor, level, code;
    };
    const Case cases[] = {{0, 0, 0x01}, {0, 8, 0x25}, {0, 11, 0x28},   {0, 12, 0x00},  {1, 5, 0x23},
                          {1, 7, 0x25}, {1, 8, 0x00}, {2, 4, 0x0A},    {2, 7, 0x2A},   {3, 7, 0x08},
                          {3, 8, 0x00}, {4, 0, 0x00}, {0xFF, 3, 0x00}, {2, 0xFF, 0x00}};
    for (const auto& c : cases) {
        EXPECT_EQ(DpiBaseCode(c.sensor, c.level), c.code) << int{c.sensor} << "/" << int{c.level};
    }
}

TEST(DpiCodes, StageCodesMarkDisabledStagesAndPadWithDisabledCodes) {
    ProfileRecord profile;
    const std::uint8_t levels[] = {0, 2, 4, 7};
    for (std::size_t stage = 0; stage < 4; ++stage) {
        profile.set_dpi_level(stage, levels[stage]);
        profile.set_dpi_stage_enabled(stage, stage != 2);
    }
    using Codes = std::array<std::uint8_t, 8>;
    EXPECT_EQ(BuildDpiStageCodes(2, profile),
              (Codes{0x02, 0x06, 0x8A, 0x2A, 0x80, 0x80, 0x80, 0x80}));
    EXPECT_EQ(BuildDpiStageCodes(5, profile),
              (Codes{0x00, 0x00, 0x80, 0x00, 0x80, 0x80, 0x80, 0x80}));
    profile.set_dpi_level(0, 200);  // beyond every table
    EXPECT_EQ(BuildDpiStageCodes(0, profile)[0], 0x00);
}

}  // namespace
}  // namespace corvanti
