#include "sim/simulated_mouse.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

#include "common/atomic_file.h"
#include "common/hex_text.h"
#include "device/scrambler.h"

namespace corvanti {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

constexpr CommandPacket kHandshake = {0x00, 0xAA, 0xDD, 0x3B, 0x62, 0x00, 0x00, 0xDB};
constexpr auto kShortWait = 5ms;

CommandPacket Packet(std::initializer_list<std::uint8_t> bytes) {
    CommandPacket packet{};
    std::copy(bytes.begin(), bytes.end(), packet.begin());
    return WithChecksum(packet);
}

Bytes Filled(std::size_t size, std::uint8_t first) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(first + i);
    }
    return bytes;
}

const HidInterfaceInfo* FindByUsage(const std::vector<HidInterfaceInfo>& list,
                                    std::uint16_t usage) {
    for (const auto& info : list) {
        if (info.vendor_id == kMouseVendorId && info.usage == usage) {
            return &info;
        }
    }
    return nullptr;
}

// The program's side of the wire, kept minimal: frames, scrambles and carries data phases the
// way the mouse expects, with no pauses.
class ProgramSide {
  public:
    explicit ProgramSide(std::shared_ptr<SimulatedMouse> mouse) : mouse_(std::move(mouse)) {
        std::vector<HidInterfaceInfo> list;
        EXPECT_TRUE(mouse_->ListInterfaces(list));
        const auto* command = FindByUsage(list, kCommandUsage);
        const auto* event = FindByUsage(list, kEventUsage);
        if (command != nullptr) {
            command_ = mouse_->Open(command->path, OpenPurpose::Command);
        }
        if (event != nullptr) {
            events_ = mouse_->Open(event->path, OpenPurpose::EventRead);
        }
    }

    HidCollection& command() { return *command_; }
    HidCollection& events() { return *events_; }

    bool Send(const CommandPacket& plain, bool scrambled = true) {
        const CommandPacket packet = WithChecksum(plain);
        const CommandPacket wire = scrambled ? Scramble(packet, HandshakeXorKey()) : packet;
        std::array<std::uint8_t, kCommandFeatureLength> report{};
        std::copy(wire.begin(), wire.end(), report.begin() + 1);
        return command_->SetFeature(report);
    }

    // The answer packet as on the wire, or nothing when the get-feature failed.
    std::optional<CommandPacket> AnswerOnWire() {
        std::array<std::uint8_t, kCommandFeatureLength> report{};
        if (!command_->GetFeature(report)) {
            return std::nullopt;
        }
        CommandPacket wire{};
        std::copy(report.begin() + 1, report.end(), wire.begin());
        return wire;
    }

    CommandPacket Answer() {
        return Unscramble(AnswerOnWire().value_or(CommandPacket{}), HandshakeXorKey());
    }

    void Accept() {
        ASSERT_TRUE(Send(kHandshake));
        ASSERT_EQ(Answer(), kHandshake);
    }

    void Write(const CommandPacket& plain, const Bytes& data) {
        ASSERT_TRUE(Send(plain));
        for (std::size_t offset = 0; offset < data.size(); offset += kDataReportPayload) {
            std::array<std::uint8_t, kCommandDataReportLength> report{};
            std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(offset),
                        std::min(kDataReportPayload, data.size() - offset), report.begin() + 1);
            ASSERT_TRUE(command_->WriteOutput(report));
        }
    }

    // Sends a read command; returns its answer and the data phase the answer announces.
    std::pair<CommandPacket, Bytes> Read(const CommandPacket& plain) {
        Send(plain);
        const CommandPacket answer = Answer();
        Bytes data;
        for (std::size_t i = 0; i < DataReportCount(answer[kPacketLengthByte]); ++i) {
            std::array<std::uint8_t, kCommandDataReportLength> report{};
            if (command_->ReadInput(report, kShortWait) == report.size()) {
                data.insert(data.end(), report.begin() + 1, report.end());
            }
        }
        return {answer, data};
    }

  private:
    std::shared_ptr<SimulatedMouse> mouse_;
    std::unique_ptr<HidCollection> command_;
    std::unique_ptr<HidCollection> events_;
};

std::shared_ptr<SimulatedMouse> MakeMouse(SimulatedMouseOptions options = {}) {
    std::string error;
    auto mouse = SimulatedMouse::Create(options, error);
    EXPECT_NE(mouse, nullptr) << error;
    return mouse;
}

std::string ReadText(const std::filesystem::path& path) {
    const auto bytes = ReadWholeFile(path, 1 << 20);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    const std::string text = ReadText(path);
    std::string_view rest = text;
    for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
        lines.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    return lines;
}

// --- Interface list ---------------------------------------------------------------------------

TEST(SimulatedMouseTest, ListsBothChannelsInTheChosenOrderBesideOtherCollections) {
    for (const bool event_first : {false, true}) {
        SimulatedMouseOptions options;
        options.event_channel_first = event_first;
        options.event_input_length = 33;
        auto mouse = MakeMouse(options);
        std::vector<HidInterfaceInfo> list;
        ASSERT_TRUE(mouse->ListInterfaces(list));
        ASSERT_EQ(list.size(), 4u);
        EXPECT_NE(list[0].vendor_id, kMouseVendorId);  // an unrelated device
        EXPECT_EQ(list[1].usage_page, 0x0001);         // the mouse's pointer
        const HidInterfaceInfo& command = list[event_first ? 3 : 2];
        const HidInterfaceInfo& event = list[event_first ? 2 : 3];
        EXPECT_EQ(command.usage_page, 0xFF00);
        EXPECT_EQ(command.usage, 0xFF00);
        EXPECT_EQ(command.feature_length, 9);
        EXPECT_EQ(command.input_length, 33);
        EXPECT_EQ(command.output_length, 33);
        EXPECT_EQ(event.usage_page, 0xFF01);
        EXPECT_EQ(event.usage, 0xFF01);
        EXPECT_EQ(event.input_length, 33);
        for (const auto& info : list) {
            EXPECT_EQ(info.probe, HidInterfaceInfo::Probe::Ok);
            EXPECT_NE(mouse->Open(info.path, OpenPurpose::Query), nullptr) << info.path;
        }
        // The system keeps the pointer collection to itself.
        EXPECT_EQ(mouse->Open(list[1].path, OpenPurpose::Command), nullptr);
        EXPECT_EQ(mouse->Open("no such path", OpenPurpose::Query), nullptr);
    }
}

TEST(SimulatedMouseTest, RefusesReportsOnTheWrongHandleOrOfTheWrongSize) {
    auto mouse = MakeMouse();
    std::vector<HidInterfaceInfo> list;
    mouse->ListInterfaces(list);
    const auto* info = FindByUsage(list, kCommandUsage);
    auto query = mouse->Open(info->path, OpenPurpose::Query);
    auto command = mouse->Open(info->path, OpenPurpose::Command);
    std::array<std::uint8_t, 9> feature{};
    std::array<std::uint8_t, 8> short_feature{};
    std::array<std::uint8_t, 32> short_output{};
    std::array<std::uint8_t, 9> wrong_id{0x01};
    EXPECT_FALSE(query->SetFeature(feature));
    EXPECT_FALSE(query->GetFeature(feature));
    EXPECT_FALSE(command->SetFeature(short_feature));
    EXPECT_FALSE(command->GetFeature(short_feature));
    EXPECT_FALSE(command->SetFeature(wrong_id));
    EXPECT_FALSE(command->WriteOutput(short_output));
    EXPECT_EQ(mouse->reports_crossed(), 0u);
}

// --- Handshake --------------------------------------------------------------------------------

TEST(SimulatedMouseTest, HandshakeAnswersOnlyInItsOwnForm) {
    const CommandPacket zeros{};
    const CommandPacket scrambled_handshake = Scramble(kHandshake, HandshakeXorKey());
    const struct {
        HandshakeStyle style;
        bool send_scrambled;
        CommandPacket answer_on_wire;
        bool accepted;
    } cases[] = {
        {HandshakeStyle::Scrambled, true, scrambled_handshake, true},
        {HandshakeStyle::Scrambled, false, zeros, false},
        {HandshakeStyle::Plain, false, kHandshake, false},
        {HandshakeStyle::Plain, true, zeros, false},
    };
    for (const auto& c : cases) {
        SimulatedMouseOptions options;
        options.handshake = c.style;
        auto mouse = MakeMouse(options);
        ProgramSide program(mouse);
        ASSERT_TRUE(program.Send(kHandshake, c.send_scrambled));
        EXPECT_EQ(program.AnswerOnWire(), c.answer_on_wire);
        EXPECT_EQ(mouse->accepted(), c.accepted);
    }
}

TEST(SimulatedMouseTest, IgnoresCommandsBeforeTheHandshakeAndWithBadChecksums) {
    auto mouse = MakeMouse();
    ProgramSide program(mouse);
    const SimulatedMouseState before = mouse->state();
    program.Send(Packet({0x0D, 0x03, 0x09, 0x09}));
    program.Send(Packet({0x0D, 0x03, 0x09, 0x09}), false);
    EXPECT_EQ(mouse->state(), before);

    program.Accept();
    CommandPacket bad = Packet({0x0D, 0x03, 0x09, 0x09});
    bad[7] ^= 0x01;
    const CommandPacket wire = Scramble(bad, HandshakeXorKey());
    std::array<std::uint8_t, 9> report{};
    std::copy(wire.begin(), wire.end(), report.begin() + 1);
    ASSERT_TRUE(program.command().SetFeature(report));
    EXPECT_EQ(mouse->state(), before);
}

// --- Commands ---------------------------------------------------------------------------------

TEST(SimulatedMouseTest, EachWriteCommandChangesExactlyItsBlock) {
    using State = SimulatedMouseState;
    const Bytes settings = Filled(24, 0x40);
    const Bytes codes = Filled(8, 0x81);
    const Bytes matrix = Filled(64, 0x10);
    const Bytes macro = Filled(128, 0x60);
    const struct {
        const char* what;
        CommandPacket packet;
        Bytes data;
        void (*expect)(State& s, const Bytes& data);
    } cases[] = {
        {"report rate",
         Packet({0x01, 0x08}),
         {},
         [](State& s, const Bytes&) { s.sensor_block[1] = 8; }},
        {"sensor block keeps the sensor type",
         Packet({0x03, 0x02, 0x04, 0x05, 0x46}),
         {},
         [](State& s, const Bytes&) {
             s.sensor_block = {s.sensor_type(), 0x04, 0x05, 0x46};
         }},
        {"lighting detail 1",
         Packet({0x07, 0x01, 0x0A, 0x0B, 0x0C}),
         {},
         [](State& s, const Bytes&) {
             s.lighting_detail[1] = {0x0A, 0x0B, 0x0C};
         }},
        {"lighting detail 2 does not exist",
         Packet({0x07, 0x02, 0x0A, 0x0B, 0x0C}),
         {},
         [](State&, const Bytes&) {}},
        {"lighting",
         Packet({0x0D, 0x03, 0x04, 0x05}),
         {},
         [](State& s, const Bytes&) {
             s.lighting = {0x03, 0x04, 0x05};
         }},
        {"settings 1", Packet({0x10, 0x01, 24}), settings,
         [](State& s, const Bytes& d) { std::copy(d.begin(), d.end(), s.settings[1].begin()); }},
        {"settings 2 does not exist", Packet({0x10, 0x02, 24}), settings,
         [](State&, const Bytes&) {}},
        {"DPI stages", Packet({0x11, 0x04, 8}), codes,
         [](State& s, const Bytes& d) {
             s.dpi_stage_count = 4;
             std::copy(d.begin(), d.end(), s.dpi_stage_codes.begin());
         }},
        {"key matrix 2", Packet({0x12, 0x02, 64}), matrix,
         [](State& s, const Bytes& d) {
             std::copy(d.begin(), d.end(), s.key_matrices[1].begin());
         }},
        {"macro 12", Packet({0x13, 0x0C, 128}), macro,
         [](State& s, const Bytes& d) { std::copy(d.begin(), d.end(), s.macros[11].begin()); }},
        {"macro 13 does not exist", Packet({0x13, 0x0D, 128}), macro, [](State&, const Bytes&) {}},
        {"macro 0 does not exist", Packet({0x13, 0x00, 128}), macro, [](State&, const Bytes&) {}},
        {"unknown command", Packet({0x2F, 0x01, 0x02}), {}, [](State&, const Bytes&) {}},
    };
    for (const auto& c : cases) {
        auto mouse = MakeMouse();
        ProgramSide program(mouse);
        program.Accept();
        State expected = mouse->state();
        c.expect(expected, c.data);
        program.Write(c.packet, c.data);
        EXPECT_EQ(mouse->state(), expected) << c.what;
    }
}

TEST(SimulatedMouseTest, ReadCommandsAnswerWithTheirBlocks) {
    SimulatedMouseOptions options;
    options.sensor_type = 5;
    auto mouse = MakeMouse(options);
    ProgramSide program(mouse);
    program.Accept();
    const Bytes macro = Filled(128, 0x20);
    program.Write(Packet({0x13, 0x07, 128}), macro);
    const SimulatedMouseState s = mouse->state();
    const Bytes settings0(s.settings[0].begin(), s.settings[0].end());
    const Bytes settings1(s.settings[1].begin(), s.settings[1].end());
    const Bytes empty_macro(128, 0);
    // Nothing to answer: the get-feature reads zeros on the wire.
    const CommandPacket none = Unscramble(CommandPacket{}, HandshakeXorKey());
    const struct {
        CommandPacket request;
        CommandPacket answer;
        Bytes data;
    } cases[] = {
        {Packet({0x83}), Packet({0x83, 5, 0x01, 0x01, 0x00}), {}},
        {Packet({0x87, 0}), Packet({0x87, 0, 0x01, 0x40, 0x20}), {}},
        {Packet({0x87, 1}), Packet({0x87, 1, 0x10, 0x20, 0x30}), {}},
        {Packet({0x87, 2}), none, {}},
        {Packet({0x8D}), Packet({0x8D, 0x01, 0x03, 0x02}), {}},
        {Packet({0x90, 0}), Packet({0x90, 0, 24}), settings0},
        {Packet({0x90, 1}), Packet({0x90, 1, 24}), settings1},
        {Packet({0x90, 2}), none, {}},
        {Packet({0x93, 7}), Packet({0x93, 7, 128}), macro},
        {Packet({0x93, 12}), Packet({0x93, 12, 128}), empty_macro},
        {Packet({0x93, 0}), none, {}},
        {Packet({0x93, 13}), none, {}},
        {Packet({0xAB}), none, {}},
    };
    for (const auto& c : cases) {
        const auto [answer, data] = program.Read(c.request);
        EXPECT_EQ(answer, c.answer) << ToHex(c.request);
        // The data phase is padded to whole reports with zeros.
        Bytes expected_data = c.data;
        expected_data.resize(DataReportCount(c.data.size()) * kDataReportPayload, 0);
        EXPECT_EQ(data, expected_data) << ToHex(c.request);
        std::array<std::uint8_t, 33> extra{};
        EXPECT_EQ(program.command().ReadInput(extra, 0ms), 0u) << "no report beyond the phase";
    }
}

TEST(SimulatedMouseTest, AnUnfinishedWriteIsDroppedByTheNextCommand) {
    auto mouse = MakeMouse();
    ProgramSide program(mouse);
    program.Accept();
    const SimulatedMouseState before = mouse->state();
    const Bytes macro = Filled(128, 0x33);
    program.Write(Packet({0x13, 0x01, 128}), Bytes(macro.begin(), macro.begin() + 96));
    program.Write(Packet({0x83}), {});
    std::array<std::uint8_t, 33> last{};
    std::copy(macro.begin() + 96, macro.end(), last.begin() + 1);
    ASSERT_TRUE(program.command().WriteOutput(last));  // a stray report is taken and dropped
    EXPECT_EQ(mouse->state(), before);
    // A read's data phase that the program does not collect is gone after the next command.
    program.Send(Packet({0x93, 1}));
    program.Answer();
    program.Send(Packet({0x8D}));
    std::array<std::uint8_t, 33> report{};
    EXPECT_EQ(program.command().ReadInput(report, 0ms), 0u);
}

// --- Events -----------------------------------------------------------------------------------

TEST(SimulatedMouseTest, PressesArriveAsEventReportsOfTheChannelLength) {
    for (const std::uint16_t length : {std::uint16_t{5}, std::uint16_t{33}}) {
        SimulatedMouseOptions options;
        options.event_input_length = length;
        auto mouse = MakeMouse(options);
        ProgramSide program(mouse);
        mouse->Press({7, 2});
        mouse->Press({5, 8});
        std::array<std::uint8_t, 40> report{};
        ASSERT_EQ(program.events().ReadInput(report, kShortWait), length);
        EXPECT_EQ(Bytes(report.begin(), report.begin() + 5), (Bytes{0x06, 0x07, 0x00, 0x02, 0x00}));
        ASSERT_EQ(program.events().ReadInput(report, kShortWait), length);
        EXPECT_EQ(report[1], 5);
        EXPECT_EQ(report[3], 8);
        EXPECT_EQ(mouse->state().report_rate(), 8) << "the rate button switches the rate";
        EXPECT_EQ(program.events().ReadInput(report, 0ms), 0u);
        // The command channel carries no events.
        EXPECT_EQ(program.command().ReadInput(report, 0ms), 0u);
    }
}

TEST(SimulatedMouseTest, EventReadHonoursItsTimeOutAndIsCutToTheBuffer) {
    auto mouse = MakeMouse();
    ProgramSide program(mouse);
    std::array<std::uint8_t, 40> report{};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(program.events().ReadInput(report, 30ms), 0u);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 30ms);
    EXPECT_LT(waited, 2s);

    mouse->Press({9, 4});
    std::array<std::uint8_t, 2> small{};
    EXPECT_EQ(program.events().ReadInput(small, 0ms), 2u);
    EXPECT_EQ(small[1], 9);
}

TEST(SimulatedMouseTest, EventReaderThreadRunsBesideCommandTraffic) {
    auto mouse = MakeMouse();
    ProgramSide program(mouse);
    program.Accept();
    constexpr int kPresses = 50;
    std::vector<std::uint8_t> received;
    std::thread reader([&] {
        std::array<std::uint8_t, 5> report{};
        const auto give_up = std::chrono::steady_clock::now() + 10s;
        while (received.size() < kPresses && std::chrono::steady_clock::now() < give_up) {
            if (program.events().ReadInput(report, 20ms) != 0) {
                received.push_back(report[3]);
            }
        }
    });
    for (int i = 0; i < kPresses; ++i) {
        mouse->Press({8, static_cast<std::uint8_t>(i)});
        program.Write(Packet({0x12, 0x01, 64}), Filled(64, static_cast<std::uint8_t>(i)));
        program.Read(Packet({0x90, 0}));
    }
    reader.join();
    ASSERT_EQ(received.size(), static_cast<std::size_t>(kPresses));
    for (int i = 0; i < kPresses; ++i) {
        EXPECT_EQ(received[static_cast<std::size_t>(i)], i);
    }
    const KeyMatrix matrix = mouse->state().key_matrices[0];
    EXPECT_EQ(Bytes(matrix.begin(), matrix.end()), Filled(64, kPresses - 1));
}

TEST(SimulatedMouseTest, PressRequestFileIsPickedUpByAWaitingReader) {
    const testing::ScratchFolder scratch;
    const auto state_path = scratch / "press_pickup.state";
    SimulatedMouseOptions options;
    options.state_path = state_path;
    auto mouse = MakeMouse(options);
    ProgramSide program(mouse);
    const auto press_path = SimulatedMouse::PressRequestPath(state_path);
    EXPECT_EQ(press_path, scratch / "press_pickup.state.press");

    // Written beside and renamed into place, so the reader never sees a half-written file.
    std::thread writer([&] {
        std::this_thread::sleep_for(20ms);
        const auto partial = scratch / "press_pickup.partial";
        std::ofstream(partial) << "7 2\n9 3\n";
        std::filesystem::rename(partial, press_path);
    });
    std::array<std::uint8_t, 5> report{};
    const std::size_t read = program.events().ReadInput(report, 5s);
    writer.join();
    ASSERT_EQ(read, 5u);
    EXPECT_EQ(report[1], 7);
    EXPECT_EQ(report[3], 2);
    ASSERT_EQ(program.events().ReadInput(report, 0ms), 5u);
    EXPECT_EQ(report[1], 9);
    EXPECT_EQ(report[3], 3);
    EXPECT_FALSE(std::filesystem::exists(press_path)) << "a request is consumed once read";
    EXPECT_EQ(program.events().ReadInput(report, 0ms), 0u);
}

// --- Faults -----------------------------------------------------------------------------------

TEST(SimulatedMouseTest, SilentMouseFailsGetFeatureAndTimesOutDataReads) {
    auto mouse = MakeMouse();
    ProgramSide program(mouse);
    program.Accept();
    mouse->SetAnswering(false);
    program.Send(Packet({0x93, 1}));
    EXPECT_FALSE(program.AnswerOnWire().has_value());
    std::array<std::uint8_t, 33> report{};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(program.command().ReadInput(report, 20ms), 0u);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 20ms);
    // Writes still reach it.
    program.Write(Packet({0x0D, 0x02, 0x05, 0x03}), {});
    EXPECT_EQ(mouse->state().lighting, (SimulatedMouseState::LightingBlock{0x02, 0x05, 0x03}));
}

TEST(SimulatedMouseTest, GarbageAnswersFailTheHandshake) {
    auto mouse = MakeMouse();
    mouse->SetAnswerFault(AnswerFault::Garbage);
    ProgramSide program(mouse);
    for (int attempt = 0; attempt < 2; ++attempt) {
        program.Send(kHandshake);
        const CommandPacket answer = program.Answer();
        EXPECT_NE(Bytes(answer.begin() + 1, answer.begin() + 5), (Bytes{0xAA, 0xDD, 0x3B, 0x62}));
    }
    std::array<std::uint8_t, 33> report{};
    EXPECT_EQ(program.command().ReadInput(report, 0ms), 33u) << "garbage keeps coming";
}

TEST(SimulatedMouseTest, OverlongAnswerAnnouncesAndSendsMoreThanTheBlock) {
    auto mouse = MakeMouse();
    ProgramSide program(mouse);
    program.Accept();
    mouse->SetAnswerFault(AnswerFault::OverlongLength);
    const auto [answer, data] = program.Read(Packet({0x90, 0}));
    EXPECT_EQ(answer[2], 200);
    ASSERT_EQ(data.size(), 7u * 32u);
    const auto settings = mouse->state().settings[0];
    EXPECT_TRUE(std::equal(settings.begin(), settings.end(), data.begin()));
}

TEST(SimulatedMouseTest, UnplugInTheMiddleFailsEveryCallAndLeavesTheList) {
    auto mouse = MakeMouse();
    ProgramSide program(mouse);
    program.Accept();
    const std::size_t before = mouse->reports_crossed();
    mouse->UnplugAfter(3);  // the macro command and two of its four reports
    const SimulatedMouseState state = mouse->state();
    program.Send(Packet({0x13, 0x01, 128}));
    std::array<std::uint8_t, 33> report{};
    EXPECT_TRUE(program.command().WriteOutput(report));
    EXPECT_TRUE(program.command().WriteOutput(report));
    EXPECT_FALSE(program.command().WriteOutput(report));
    EXPECT_FALSE(program.Send(Packet({0x83})));
    EXPECT_FALSE(program.AnswerOnWire().has_value());
    EXPECT_EQ(program.command().ReadInput(report, 1s), 0u) << "returns at once, not after 1 s";
    EXPECT_EQ(mouse->reports_crossed(), before + 3);
    EXPECT_EQ(mouse->state(), state) << "the half-written macro is lost";

    std::vector<HidInterfaceInfo> list;
    ASSERT_TRUE(mouse->ListInterfaces(list));
    EXPECT_EQ(FindByUsage(list, kCommandUsage), nullptr);
    EXPECT_EQ(FindByUsage(list, kEventUsage), nullptr);

    mouse->Replug();
    ProgramSide again(mouse);
    EXPECT_FALSE(mouse->accepted()) << "a replugged mouse needs a new handshake";
    again.Accept();
    EXPECT_TRUE(mouse->accepted());
}

TEST(SimulatedMouseTest, UnplugWakesAWaitingEventReader) {
    auto mouse = MakeMouse();
    ProgramSide program(mouse);
    std::atomic<bool> returned{false};
    std::thread reader([&] {
        std::array<std::uint8_t, 5> report{};
        program.events().ReadInput(report, 10s);
        returned = true;
    });
    std::this_thread::sleep_for(20ms);
    const auto start = std::chrono::steady_clock::now();
    mouse->UnplugAfter(0);
    reader.join();
    EXPECT_TRUE(returned);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

// Faults asked for from outside the process reach the mouse when the program next lists the
// interfaces, as it does when it hears of a device change.
TEST(SimulatedMouseTest, FaultRequestFileUnplugsSilencesAndBringsTheMouseBack) {
    const testing::ScratchFolder scratch;
    const auto state_path = scratch / "faults.state";
    SimulatedMouseOptions options;
    options.state_path = state_path;
    auto mouse = MakeMouse(options);
    const auto fault_path = SimulatedMouse::FaultRequestPath(state_path);
    EXPECT_EQ(fault_path, scratch / "faults.state.fault");
    const auto listed = [&] {
        std::vector<HidInterfaceInfo> list;
        EXPECT_TRUE(mouse->ListInterfaces(list));
        return FindByUsage(list, kCommandUsage) != nullptr;
    };

    std::ofstream(fault_path) << "unplug\n";
    EXPECT_FALSE(listed());
    EXPECT_FALSE(std::filesystem::exists(fault_path)) << "a request is consumed once read";
    EXPECT_FALSE(mouse->plugged_in());

    std::ofstream(fault_path) << "replug\nsilent\n";
    EXPECT_TRUE(listed());
    ProgramSide program(mouse);
    program.Send(kHandshake);
    EXPECT_FALSE(program.AnswerOnWire().has_value()) << "a silent mouse fails the handshake";

    std::ofstream(fault_path) << "answer\n";
    EXPECT_TRUE(listed());
    program.Accept();
    EXPECT_TRUE(mouse->accepted());
}

// --- Persistence and traffic log --------------------------------------------------------------

TEST(SimulatedMouseTest, StateFileFollowsEveryCompletedWriteAndIsLoadedAgain) {
    const testing::ScratchFolder scratch;
    const auto path = scratch / "persist.state";
    SimulatedMouseOptions options;
    options.state_path = path;
    options.sensor_type = 3;
    auto mouse = MakeMouse(options);
    std::string error;
    EXPECT_EQ(LoadMouseState(path, error), FactoryMouseState(3)) << "saved when created";

    ProgramSide program(mouse);
    program.Accept();
    program.Write(Packet({0x13, 0x05, 128}), Filled(128, 1));
    program.Write(Packet({0x01, 0x04}), {});
    EXPECT_EQ(LoadMouseState(path, error), mouse->state());

    options.sensor_type = 0;  // an existing file wins over the option
    auto reopened = MakeMouse(options);
    EXPECT_EQ(reopened->state(), mouse->state());
    EXPECT_EQ(reopened->state().sensor_type(), 3);
}

TEST(SimulatedMouseTest, BrokenStateFileIsRefusedAndKept) {
    const testing::ScratchFolder scratch;
    const auto path = scratch / "broken.state";
    std::ofstream(path, std::ios::binary) << "sensor-block 00\n";
    SimulatedMouseOptions options;
    options.state_path = path;
    std::string error;
    EXPECT_EQ(SimulatedMouse::Create(options, error), nullptr);
    EXPECT_NE(error.find("sensor-block"), std::string::npos) << error;
    EXPECT_EQ(ReadText(path), "sensor-block 00\n");
}

TEST(SimulatedMouseTest, TrafficLogRecordsEveryReportAsItCrossed) {
    const testing::ScratchFolder scratch;
    const auto path = scratch / "traffic.log";
    SimulatedMouseOptions options;
    options.traffic_log_path = path;
    {
        auto mouse = MakeMouse(options);
        ProgramSide program(mouse);
        program.Accept();
        program.Write(Packet({0x10, 0x01, 24}), Filled(24, 0xA0));
        program.Read(Packet({0x83}));
        mouse->Press({7, 1});
        std::array<std::uint8_t, 5> event{};
        program.events().ReadInput(event, 0ms);
    }  // the log is closed with the mouse

    const auto wire = [](const CommandPacket& plain) {
        return "00" + ToHex(Scramble(plain, HandshakeXorKey()));
    };
    const std::string handshake = wire(kHandshake);
    const std::vector<std::string> expected = {
        "> feature " + handshake,
        "< feature " + handshake,
        "> feature " + wire(Packet({0x10, 0x01, 24})),
        "> output 00a0a1a2a3a4a5a6a7a8a9aaabacadaeafb0b1b2b3b4b5b6b70000000000000000",
        "> feature " + wire(Packet({0x83})),
        "< feature " + wire(Packet({0x83, 0x00, 0x01, 0x01, 0x00})),
        "< input 0607000100",
    };
    EXPECT_EQ(ReadLines(path), expected);
    EXPECT_EQ(handshake.size(), 18u);
    EXPECT_EQ(handshake.find_first_of("ABCDEF"), std::string::npos);
}

}  // namespace
}  // namespace corvanti
