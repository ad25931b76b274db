#include "device/packet_transport.h"

#include <gtest/gtest.h>

#include "device/scrambler.h"
#include "fake_hid.h"

namespace corvanti {
namespace {

using testing::Crossing;
using testing::Report;
using Kind = Crossing::Kind;

class PacketTransportTest : public ::testing::Test {
  protected:
    PacketTransportTest() { testing::AttachScriptedCommandChannel(link_, wire_); }

    void Scrambled() {
        link_.xor_key = HandshakeXorKey();
        link_.scrambling.store(1);
    }

    static Report DataReport(std::uint8_t fill) {
        Report report(33, fill);
        report[0] = 0;
        return report;
    }

    std::shared_ptr<testing::Wire> wire_ = std::make_shared<testing::Wire>();
    LinkState link_;
    testing::RecordingClock clock_;
    PacketTransport transport_{link_, clock_};
};

TEST_F(PacketTransportTest, WriteCommandGoesOutPlainWithRecomputedChecksumAndNoRead) {
    CommandPacket packet = {0x01, 0x08, 0, 0, 0, 0, 0, 0x00};
    EXPECT_TRUE(transport_.SendPacket(packet));
    EXPECT_EQ(wire_->traffic,
              (std::vector<Crossing>{{Kind::SetFeature, testing::FeatureReportOf(
                                                            {0x01, 0x08, 0, 0, 0, 0, 0, 0xF6})}}));
    EXPECT_EQ(packet[7], 0xF6);
}

TEST_F(PacketTransportTest, FeatureReportTakesTheChannelsLength) {
    link_.feature_length = 16;
    CommandPacket packet = {0x01, 0x01};
    transport_.SendPacket(packet);
    EXPECT_EQ(wire_->traffic.at(0).bytes,
              testing::FeatureReportOf({0x01, 0x01, 0, 0, 0, 0, 0, 0xFD}, 16));
}

TEST_F(PacketTransportTest, ScrambledReadCommandReturnsTheUnscrambledAnswer) {
    Scrambled();
    const CommandPacket answer = WithChecksum({0x8D, 1, 4, 2});
    wire_->feature_answers.push_back(testing::FeatureReportOf(Scramble(answer, link_.xor_key)));
    CommandPacket packet = {0x8D};
    transport_.SendPacket(packet);
    EXPECT_EQ(packet, answer);
    const CommandPacket request = WithChecksum({0x8D});
    EXPECT_EQ(wire_->traffic.at(0).bytes,
              testing::FeatureReportOf(Scramble(request, link_.xor_key)));
}

// A missing answer is no answer: its zeros are never unscrambled into a made-up length that
// would cost a data phase of time-outs.
TEST_F(PacketTransportTest, MissingAnswerReadsAsZerosAndAnnouncesNoDataPhase) {
    CommandPacket plain = {0x83};
    transport_.SendPacket(plain);
    EXPECT_EQ(plain, CommandPacket{});

    Scrambled();
    ASSERT_NE(Unscramble(CommandPacket{}, link_.xor_key)[kPacketLengthByte], 0);
    CommandPacket scrambled = {0x83};
    transport_.SendPacket(scrambled);
    EXPECT_EQ(scrambled, CommandPacket{});
    CommandPacket read = {0x90, 0};
    std::vector<std::uint8_t> data(24, 0xEE);
    transport_.SendReadWithData(read, data);
    EXPECT_EQ(read, CommandPacket{});
    EXPECT_TRUE(wire_->read_timeouts.empty());
    EXPECT_EQ(data, std::vector<std::uint8_t>(24, 0xEE));
}

// A mouse that stops taking reports is offered no more of the phase: each refusal may have
// cost a whole write time-out.
TEST_F(PacketTransportTest, ARefusedDataReportEndsItsPhase) {
    for (const std::size_t taken : {0u, 1u, 3u}) {
        auto wire = std::make_shared<testing::Wire>();
        LinkState link;
        testing::AttachScriptedCommandChannel(link, wire);
        testing::RecordingClock clock;
        PacketTransport transport(link, clock);
        wire->on_output = [taken](testing::Wire& w, const Report&) {
            w.unplugged = w.Count(Kind::Output) >= taken;
        };
        wire->unplugged = taken == 0;
        CommandPacket packet = {0x13, 1, 128};
        transport.SendPacketWithData(packet, std::vector<std::uint8_t>(128, 0x5A));
        EXPECT_EQ(wire->Count(Kind::Output), taken);
        EXPECT_EQ(clock.pauses.size(), taken) << "one pause per report taken, none after";
    }
}

// Reports that arrive after their read gave up are dropped before the next read command, so
// they can never become its data.
TEST_F(PacketTransportTest, ReportsLeftFromAnEarlierPhaseAreDroppedBeforeARead) {
    struct DroppingWire : testing::ScriptedCollection {
        using ScriptedCollection::ScriptedCollection;
        void DropQueuedInput() override {
            ++drops;
            queue->input_reports.clear();
        }
        std::shared_ptr<testing::Wire> queue;
        int drops = 0;
    };
    auto dropping = std::make_unique<DroppingWire>(wire_);
    dropping->queue = wire_;
    DroppingWire& channel = *dropping;
    link_.command = std::move(dropping);
    wire_->input_reports.push_back(DataReport(0x66));  // late from an earlier command
    wire_->on_set_feature = [](testing::Wire& wire, const Report&) {
        wire.feature_answers.push_back(testing::FeatureReportOf(WithChecksum({0x90, 0, 24})));
        wire.input_reports.push_back(DataReport(0x11));
    };
    std::vector<std::uint8_t> data(24);
    CommandPacket packet = {0x90, 0};
    transport_.SendReadWithData(packet, data);
    EXPECT_EQ(channel.drops, 1);
    EXPECT_EQ(data, std::vector<std::uint8_t>(24, 0x11));
    CommandPacket write = {0x10, 0, 24};
    transport_.SendPacketWithData(write, data);
    EXPECT_EQ(channel.drops, 1) << "only read commands drop";
}

TEST_F(PacketTransportTest, WriteDataPhaseSendsWholeReportsWithPauses) {
    std::vector<std::uint8_t> data(24);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i + 1);
    }
    CommandPacket packet = {0x10, 1, 24};
    transport_.SendPacketWithData(packet, data);
    ASSERT_EQ(wire_->Count(Kind::Output), 1u);
    Report expected(33, 0);
    std::copy(data.begin(), data.end(), expected.begin() + 1);  // 8 zero bytes follow
    EXPECT_EQ(wire_->traffic.at(1).bytes, expected);
    EXPECT_EQ(clock_.pauses, std::vector<std::chrono::milliseconds>{kDataReportPause});
}

TEST_F(PacketTransportTest, DataPhaseReportCountFollowsTheAnnouncedLength) {
    for (std::uint8_t length :
         {std::uint8_t{0}, std::uint8_t{8}, std::uint8_t{64}, std::uint8_t{128}}) {
        wire_->traffic.clear();
        std::vector<std::uint8_t> data(128, 0x11);
        CommandPacket packet = {0x13, 1, length};
        transport_.SendPacketWithData(packet, data);
        EXPECT_EQ(wire_->Count(Kind::Output), DataReportCount(length)) << int{length};
    }
}

TEST_F(PacketTransportTest, ReadDataPhaseAppendsThe32DataBytesOfEachReport) {
    wire_->feature_answers.push_back(testing::FeatureReportOf(WithChecksum({0x93, 2, 64})));
    wire_->input_reports = {DataReport(0x21), DataReport(0x22)};
    std::vector<std::uint8_t> data(128, 0xEE);
    CommandPacket packet = {0x93, 2};
    transport_.SendReadWithData(packet, data);
    EXPECT_EQ(packet[2], 64);
    EXPECT_EQ(data[0], 0x21);
    EXPECT_EQ(data[31], 0x21);
    EXPECT_EQ(data[32], 0x22);
    EXPECT_EQ(data[63], 0x22);
    EXPECT_EQ(data[64], 0xEE);
    EXPECT_TRUE(clock_.pauses.empty());
}

TEST_F(PacketTransportTest, AnswerWithLengthZeroReadsNoReport) {
    wire_->feature_answers.push_back(testing::FeatureReportOf(WithChecksum({0x90, 0, 0})));
    wire_->input_reports = {DataReport(0x21)};
    std::vector<std::uint8_t> data(24);
    CommandPacket packet = {0x90};
    transport_.SendReadWithData(packet, data);
    EXPECT_TRUE(wire_->read_timeouts.empty());
    EXPECT_EQ(wire_->input_reports.size(), 1u);
}

TEST_F(PacketTransportTest, OverlongAnnouncementIsDrainedButNeverWrittenPastTheBlock) {
    wire_->feature_answers.push_back(testing::FeatureReportOf(WithChecksum({0x90, 0, 0xFF})));
    for (int i = 0; i < 8; ++i) {
        wire_->input_reports.push_back(DataReport(0x5A));
    }
    std::vector<std::uint8_t> storage(40, 0x00);
    CommandPacket packet = {0x90};
    transport_.SendReadWithData(packet, std::span(storage).first(24));
    EXPECT_TRUE(wire_->input_reports.empty());  // later commands do not read stale data
    EXPECT_EQ(storage[23], 0x5A);
    EXPECT_EQ(storage[24], 0x00);  // ASan would also catch a write past a heap block
}

TEST_F(PacketTransportTest, SilentDataPhaseWaitsBoundedOnceAndGivesZeros) {
    wire_->feature_answers.push_back(testing::FeatureReportOf(WithChecksum({0x93, 1, 128})));
    std::vector<std::uint8_t> data(128, 0xEE);
    CommandPacket packet = {0x93, 1};
    transport_.SendReadWithData(packet, data);
    EXPECT_EQ(data, std::vector<std::uint8_t>(128, 0));
    ASSERT_FALSE(wire_->read_timeouts.empty());
    EXPECT_EQ(wire_->read_timeouts.size(), 1u);  // the rest of a silent phase is not waited for
    EXPECT_EQ(wire_->read_timeouts[0], kDataReportReadTimeout);
}

TEST_F(PacketTransportTest, WithoutCommandChannelNothingCrashesAndAnswersAreZero) {
    link_.command.reset();
    CommandPacket packet = {0x93, 1};
    std::vector<std::uint8_t> data(128, 0xEE);
    transport_.SendReadWithData(packet, data);
    EXPECT_EQ(packet, CommandPacket{});
    CommandPacket write = {0x12, 1, 64};
    EXPECT_FALSE(transport_.SendPacket(write));
}

}  // namespace
}  // namespace corvanti
