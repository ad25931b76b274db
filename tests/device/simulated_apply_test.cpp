#include <gtest/gtest.h>

#include "support/recording_clock.h"
#include "support/recording_messages.h"
#include "support/sample_profile.h"
#include "support/scratch_folder.h"

#include <chrono>
#include <fstream>

#include "common/atomic_file.h"
#include "device/apply_sequence.h"
#include "device/device_acceptance.h"
#include "device/device_commands.h"
#include "device/event_reader.h"
#include "device/packet_transport.h"
#include "sim/simulated_mouse.h"

namespace corvanti {
namespace {

using namespace std::chrono_literals;

class EventList : public DeviceEventSink {
  public:
    void Deliver(DeviceEventCode code, std::uint8_t value) override {
        const std::lock_guard lock(mutex);
        events.push_back({code, value});
    }
    std::vector<DeviceEvent> Take() {
        const std::lock_guard lock(mutex);
        return std::exchange(events, {});
    }
    std::mutex mutex;
    std::vector<DeviceEvent> events;
};

class CountingPersistence : public ApplyPersistence {
  public:
    void SaveProfile() override { ++saves; }
    void WriteCaptions() override { ++captions; }
    int saves = 0;
    int captions = 0;
};

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    const auto bytes = ReadWholeFile(path, 16u << 20);
    std::vector<std::string> lines;
    if (!bytes) {
        return lines;
    }
    const std::string text(bytes->begin(), bytes->end());
    std::string_view rest = text;
    for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
        lines.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    return lines;
}

std::size_t CountPrefix(const std::vector<std::string>& lines, std::string_view prefix) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const auto& l) { return l.rfind(prefix, 0) == 0; }));
}

// The program's device link set up against a simulated mouse, as on arrival: open, handshake,
// sensor-block refresh.
class SimulatedLink {
  public:
    explicit SimulatedLink(std::shared_ptr<SimulatedMouse> mouse) : mouse_(std::move(mouse)) {
        DeviceLink device{link, *mouse_, transport, commands, clock, messages, messages, events};
        acceptance = AcceptMouse(device);
    }

    void Apply(const ProfileRecord& profile) { RunApply(profile, commands, persistence); }

    std::shared_ptr<SimulatedMouse> mouse_;
    MouseAcceptance acceptance = MouseAcceptance::NotFound;
    LinkState link;
    testing::RecordingClock clock;
    testing::RecordingMessages messages;
    EventList events;
    DeviceMirror mirror;
    PacketTransport transport{link, clock};
    DeviceCommands commands{transport, mirror, clock, messages};
    CountingPersistence persistence;
};

std::shared_ptr<SimulatedMouse> MakeMouse(const SimulatedMouseOptions& options) {
    std::string error;
    auto mouse = SimulatedMouse::Create(options, error);
    EXPECT_NE(mouse, nullptr) << error;
    return mouse;
}

TEST(SimulatedApplyTest, MouseHoldsExactlyTheProfileForEverySensorType) {
    // The stage codes for levels 0, 2, 4, 7 with stage 3 disabled, from each sensor's table.
    const struct {
        std::uint8_t sensor_type;
        std::array<std::uint8_t, 8> codes;
    } cases[] = {
        {0, {0x01, 0x03, 0x85, 0x08, 0x80, 0x80, 0x80, 0x80}},
        {1, {0x01, 0x03, 0x85, 0x25, 0x80, 0x80, 0x80, 0x80}},
        {2, {0x02, 0x06, 0x8A, 0x2A, 0x80, 0x80, 0x80, 0x80}},
        {3, {0x01, 0x03, 0x85, 0x08, 0x80, 0x80, 0x80, 0x80}},
        {5, {0x00, 0x00, 0x80, 0x00, 0x80, 0x80, 0x80, 0x80}},
    };
    const ProfileRecord profile = testing::SampleProfile();
    for (const auto& c : cases) {
        SimulatedMouseOptions options;
        options.sensor_type = c.sensor_type;
        auto mouse = MakeMouse(options);
        const SimulatedMouseState factory = mouse->state();
        SimulatedLink program(mouse);
        ASSERT_TRUE(program.link.connected_now());
        program.Apply(profile);

        const SimulatedMouseState held = mouse->state();
        EXPECT_EQ(held.dpi_stage_codes, c.codes) << int{c.sensor_type};
        EXPECT_EQ(held.dpi_stage_count, 4);
        EXPECT_EQ(held.report_rate(), 2);
        EXPECT_EQ(held.sensor_type(), c.sensor_type);
        EXPECT_EQ(held.sensor_block[3] & 0x40, 0x40) << "accept bit of option 2";
        EXPECT_EQ(held.key_matrices[0], BuildKeyMatrix(profile, KeyMode::A));
        EXPECT_EQ(held.key_matrices[1], KeyMatrix{});
        EXPECT_EQ(held.key_matrices[2], BuildKeyMatrix(profile, KeyMode::B));
        EXPECT_EQ(held.key_matrices[3], KeyMatrix{});
        for (std::size_t block = 0; block < kMacroBlockCount; ++block) {
            const auto expected = profile.macro_block(block);
            EXPECT_TRUE(std::equal(expected.begin(), expected.end(), held.macros[block].begin()))
                << "macro " << block + 1;
        }
        SettingsBlock colours{};
        const auto profile_colours = profile.dpi_colour_bytes();
        std::copy(profile_colours.begin(), profile_colours.end(), colours.begin());
        EXPECT_EQ(held.settings[1], colours);
        EXPECT_EQ(held.settings[0], factory.settings[0]);
        // Neon variant 2: effect 3, parameter + 1, option 2 as the mouse had it.
        EXPECT_EQ(held.lighting, (SimulatedMouseState::LightingBlock{3, 5, factory.lighting[2]}));
        EXPECT_EQ(held.lighting_detail[0], (SimulatedMouseState::LightingBlock{0x02, 0x64, 0x0A}));
        EXPECT_EQ(held.lighting_detail[1], factory.lighting_detail[1]);
        EXPECT_EQ(program.persistence.saves, 1);
    }
}

TEST(SimulatedApplyTest, LightingMergeAgainstWhatTheMouseHolds) {
    // Each row: the profile's mode, parameter, respiration and neon variants, and the lighting
    // and detail-0 blocks the mouse then holds. The factory mouse holds lighting 01 03 02 and
    // detail 0 01 40 20.
    const struct {
        std::uint8_t mode, parameter, respiration, neon;
        SimulatedMouseState::LightingBlock lighting, detail0;
    } cases[] = {
        {0, 0, 0, 0, {0x01, 0x03, 0x02}, {0x01, 0x40, 0x20}},
        {1, 6, 0, 0, {0x01, 0x07, 0x02}, {0x01, 0x40, 0x20}},
        {2, 3, 1, 0, {0x02, 0x04, 0x02}, {0x01, 0x40, 0x20}},
        {2, 3, 2, 0, {0x02, 0x04, 0x03}, {0x02, 0x7D, 0x03}},
        {2, 3, 7, 0, {0x02, 0x04, 0x02}, {0x01, 0x40, 0x20}},
        {3, 1, 0, 2, {0x03, 0x02, 0x02}, {0x02, 0x64, 0x0A}},
        {3, 1, 0, 3, {0x03, 0x02, 0x02}, {0x03, 0x05, 0x05}},
        {3, 1, 0, 9, {0x03, 0x02, 0x02}, {0x01, 0x40, 0x20}},
        {4, 1, 1, 2, {0x01, 0x03, 0x02}, {0x01, 0x40, 0x20}},
    };
    for (const auto& c : cases) {
        ProfileRecord profile = testing::SampleProfile();
        profile.set_lighting_mode(c.mode);
        if (c.mode >= 1 && c.mode <= 3) {
            profile.set_lighting_parameter(c.mode, c.parameter);
        }
        profile.set_respiration_effect(c.respiration);
        profile.set_neon_effect(c.neon);
        auto mouse = MakeMouse({});
        SimulatedLink program(mouse);
        program.Apply(profile);
        EXPECT_EQ(mouse->state().lighting, c.lighting) << int{c.mode} << " " << int{c.neon};
        EXPECT_EQ(mouse->state().lighting_detail[0], c.detail0) << int{c.mode};
    }
}

TEST(SimulatedApplyTest, TrafficOfOneApplyAndTwoInARow) {
    const testing::ScratchFolder scratch;
    const auto log_path = scratch / "apply_traffic.log";
    std::vector<std::string> lines;
    std::size_t marks[4] = {};
    {
        SimulatedMouseOptions options;
        options.traffic_log_path = log_path;
        auto mouse = MakeMouse(options);
        SimulatedLink program(mouse);
        const ProfileRecord profile = testing::SampleProfile();
        for (std::size_t run = 0; run < 3; ++run) {
            marks[run] = ReadLines(log_path).size();
            const auto paused_before = program.clock.Total();
            program.Apply(profile);
            EXPECT_EQ(program.clock.Total() - paused_before, 249ms);
        }
    }
    lines = ReadLines(log_path);
    marks[3] = lines.size();
    const auto run = [&](std::size_t i) {
        return std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(marks[i]),
                                        lines.begin() + static_cast<std::ptrdiff_t>(marks[i + 1]));
    };
    const std::vector<std::string> first = run(0);
    EXPECT_EQ(CountPrefix(first, "> feature "), 40u);
    EXPECT_EQ(CountPrefix(first, "< feature "), 17u);
    EXPECT_EQ(CountPrefix(first, "> output "), 59u);
    EXPECT_EQ(CountPrefix(first, "< input "), 50u);
    EXPECT_EQ(first.size(), 166u);
    // The first run changes what the mouse answers to the lighting reads (and the second
    // lighting-detail request carries such an answer); from then on every run is the same.
    EXPECT_EQ(run(2), run(1));
    EXPECT_NE(run(1), first);
}

TEST(SimulatedApplyTest, MousePulledOutMidwayEndsTheApplyPromptlyAndTheProfileIsSaved) {
    for (const std::size_t reports : {1u, 20u, 60u, 120u, 165u}) {
        auto mouse = MakeMouse({});
        SimulatedLink program(mouse);
        ASSERT_TRUE(program.link.connected_now());
        mouse->UnplugAfter(reports);
        const auto start = std::chrono::steady_clock::now();
        program.Apply(testing::SampleProfile());
        EXPECT_LT(std::chrono::steady_clock::now() - start, 5s) << reports;
        EXPECT_FALSE(mouse->plugged_in());
        EXPECT_EQ(program.persistence.saves, 1);
        EXPECT_EQ(program.persistence.captions, 1);
    }
}

// A mouse that turns faulty after acceptance: the Apply still runs through, the mouse's
// answers never reach past the program's blocks, and the profile is saved.
TEST(SimulatedApplyTest, FaultyAnswersDoNotStopOrCorruptTheApply) {
    const struct {
        const char* what;
        AnswerFault fault;
        bool answering;
    } cases[] = {
        {"garbage", AnswerFault::Garbage, true},
        {"over-long lengths", AnswerFault::OverlongLength, true},
        {"no answer", AnswerFault::None, false},
    };
    for (const auto& c : cases) {
        auto mouse = MakeMouse({});
        SimulatedLink program(mouse);
        ASSERT_TRUE(program.link.connected_now());
        mouse->SetAnswerFault(c.fault);
        mouse->SetAnswering(c.answering);
        const ProfileRecord profile = testing::SampleProfile();
        const auto start = std::chrono::steady_clock::now();
        program.Apply(profile);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 10s) << c.what;
        EXPECT_EQ(program.persistence.saves, 1) << c.what;
        // The writes still carry the profile, whatever the reads brought.
        EXPECT_EQ(mouse->state().key_matrices[0], BuildKeyMatrix(profile, KeyMode::A)) << c.what;
        const auto expected = profile.macro_block(11);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), mouse->state().macros[11].begin()))
            << c.what;
    }
}

// A report that comes after its read gave up must not become the next read's data: settings
// block 0, read that way, would be written back to the mouse.
TEST(SimulatedApplyTest, ALateReportNeverBecomesTheNextCommandsData) {
    auto mouse = MakeMouse({});
    SimulatedLink program(mouse);
    ASSERT_TRUE(program.link.connected_now());
    const ProfileRecord profile = testing::SampleProfile();
    program.Apply(profile);
    const auto settings0 = mouse->state().settings[0];
    ASSERT_FALSE(std::equal(settings0.begin(), settings0.end(), profile.macro_block(11).begin()));
    mouse->DeliverLate(1);
    program.commands.ReadMacro(12);  // its first report comes after the read gave up
    program.Apply(profile);
    EXPECT_EQ(mouse->state().settings[0], settings0);
    EXPECT_EQ(program.mirror.settings[0], settings0);
}

TEST(SimulatedApplyTest, OnlyAMouseAnsweringTheScrambledHandshakeIsAccepted) {
    const struct {
        HandshakeStyle style;
        AnswerFault fault;
        bool answering;
        bool accepted;
    } cases[] = {
        {HandshakeStyle::Scrambled, AnswerFault::None, true, true},
        {HandshakeStyle::Plain, AnswerFault::None, true, false},
        {HandshakeStyle::Scrambled, AnswerFault::Garbage, true, false},
        {HandshakeStyle::Scrambled, AnswerFault::None, false, false},
    };
    for (const auto& c : cases) {
        SimulatedMouseOptions options;
        options.handshake = c.style;
        auto mouse = MakeMouse(options);
        mouse->SetAnswerFault(c.fault);
        mouse->SetAnswering(c.answering);
        SimulatedLink program(mouse);
        EXPECT_EQ(program.link.connected_now(), c.accepted);
        EXPECT_EQ(program.acceptance,
                  c.accepted ? MouseAcceptance::Accepted : MouseAcceptance::Rejected);
        EXPECT_EQ(program.mouse_->state().sensor_block[3] & kSensorAcceptBit,
                  c.accepted ? kSensorAcceptBit : 0);
        const DeviceEvent expected{
            c.accepted ? DeviceEventCode::MouseDetected : DeviceEventCode::MouseNotDetected, 0};
        EXPECT_EQ(program.events.Take(), std::vector<DeviceEvent>{expected});
    }
}

TEST(SimulatedApplyTest, AMousePulledOutBeforeTheOpenIsNotFoundAndHearsNothing) {
    auto mouse = MakeMouse({});
    mouse->UnplugAfter(0);
    SimulatedLink program(mouse);
    EXPECT_EQ(program.acceptance, MouseAcceptance::NotFound);
    EXPECT_FALSE(program.link.connected_now());
    EXPECT_EQ(mouse->reports_crossed(), 0u);
    EXPECT_TRUE(program.events.Take().empty());
}

TEST(SimulatedApplyTest, ButtonPressReachesTheProgramWhicheverChannelIsListedFirst) {
    for (const bool event_first : {false, true}) {
        SimulatedMouseOptions options;
        options.event_channel_first = event_first;
        auto mouse = MakeMouse(options);
        SimulatedLink program(mouse);
        ASSERT_TRUE(program.link.connected_now());
        program.events.Take();
        EventReader reader(program.link, program.events, 10ms);
        reader.Start();
        reader.Resume();
        mouse->Press({7, 3});
        std::vector<DeviceEvent> received;
        const auto give_up = std::chrono::steady_clock::now() + 5s;
        while (received.empty() && std::chrono::steady_clock::now() < give_up) {
            std::this_thread::sleep_for(5ms);
            received = program.events.Take();
        }
        reader.Stop();
        EXPECT_EQ(received, (std::vector<DeviceEvent>{{DeviceEventCode::DpiStageSwitch, 3}}))
            << event_first;
    }
}

}  // namespace
}  // namespace corvanti
