#include "device/handshake.h"

#include <gtest/gtest.h>

#include "fake_hid.h"
#include "firmware_on_wire.h"

namespace corvanti {
namespace {

using testing::FirmwareOnWire;
using Kind = testing::Crossing::Kind;

struct HandshakeRig {
    std::shared_ptr<testing::Wire> wire = std::make_shared<testing::Wire>();
    LinkState link;
    testing::RecordingClock clock;
    testing::RecordingEvents events;
    PacketTransport transport{link, clock};

    HandshakeRig() {
        testing::AttachScriptedCommandChannel(link, wire);
        link.connected.store(1);  // set by the open as soon as the command channel is found
    }
    void Run() { RunHandshake(link, transport, clock, events); }
};

TEST(Handshake, ScrambledEchoIsAccepted) {
    HandshakeRig rig;
    FirmwareOnWire mouse(rig.wire, testing::DistinctMouseState(), HandshakeStyle::Scrambled);
    rig.Run();
    EXPECT_EQ(rig.link.connected.load(), 1);
    EXPECT_EQ(rig.link.scrambling.load(), 1);
    EXPECT_EQ(rig.link.xor_key, HandshakeXorKey());
    EXPECT_EQ(rig.events.events, (std::vector<DeviceEvent>{{DeviceEventCode::MouseDetected, 0}}));
    // Plain try, then the scrambled one, each answer read 5 ms after its request.
    EXPECT_EQ(rig.wire->Count(Kind::SetFeature), 2u);
    EXPECT_EQ(rig.wire->traffic.at(0).bytes,
              (testing::Report{0, 0x00, 0xAA, 0xDD, 0x3B, 0x62, 0, 0, 0xDB}));
    EXPECT_EQ(rig.clock.pauses, (std::vector<std::chrono::milliseconds>{kHandshakeAnswerPause,
                                                                        kHandshakeAnswerPause}));
}

TEST(Handshake, PlainEchoSilenceAndGarbageAreAllRejected) {
    struct Case {
        const char* name;
        std::function<void(HandshakeRig&)> mouse;
    };
    std::vector<std::unique_ptr<FirmwareOnWire>> keep;
    const Case cases[] = {
        {"plain",
         [&](HandshakeRig& rig) {
             keep.push_back(std::make_unique<FirmwareOnWire>(
                 rig.wire, testing::DistinctMouseState(), HandshakeStyle::Plain));
         }},
        {"silent", [](HandshakeRig&) {}},
        {"garbage",
         [](HandshakeRig& rig) {
             rig.wire->on_set_feature = [](testing::Wire& wire, const testing::Report&) {
                 wire.feature_answers.push_back(testing::Report(9, 0xA5));
             };
         }},
        {"unplugged", [](HandshakeRig& rig) { rig.wire->unplugged = true; }},
    };
    for (const auto& c : cases) {
        HandshakeRig rig;
        c.mouse(rig);
        rig.link.scrambling.store(1);
        rig.Run();
        EXPECT_EQ(rig.link.connected.load(), 0) << c.name;
        EXPECT_EQ(rig.link.scrambling.load(), 0) << c.name;
        EXPECT_EQ(rig.events.events,
                  (std::vector<DeviceEvent>{{DeviceEventCode::MouseNotDetected, 0}}))
            << c.name;
    }
}

TEST(Handshake, PlainMatchEndsWithoutAScrambledTry) {
    HandshakeRig rig;
    FirmwareOnWire mouse(rig.wire, testing::DistinctMouseState(), HandshakeStyle::Plain);
    rig.Run();
    EXPECT_EQ(rig.wire->Count(Kind::SetFeature), 1u);
}

}  // namespace
}  // namespace corvanti
