#include "device/device_change.h"

#include <gtest/gtest.h>

#include "fake_hid.h"
#include "firmware_on_wire.h"

namespace corvanti {
namespace {

using testing::FirmwareOnWire;

constexpr std::string_view kMouseName =
    "\\\\?\\HID#VID_04D9&PID_A09F&MI_02&Col01#8&2b1d5f3&0&0000#{4d1e55b2-f16f-11cf-88cb-"
    "001111000030}";

TEST(ConcernsMouse, OnlyInterfaceArrivalsAndRemovalsOfTheMouseInExactSpelling) {
    struct Case {
        std::uint32_t event, device_type;
        std::string_view name;
        bool concerns;
    };
    const Case cases[] = {
        {kDeviceArrival, 5, kMouseName, true},
        {kDeviceRemoveComplete, 5, kMouseName, true},
        {kDeviceArrival, 5, "\\\\?\\hid#Vid_04d9&Pid_a09f#x", true},
        {kDeviceArrival, 5, "\\\\?\\hid#vid_04d9&pid_a09f#x", false},
        {kDeviceArrival, 5, "\\\\?\\hid#VID_04d9&PID_a09f#x", false},
        {kDeviceArrival, 5, "\\\\?\\HID#VID_04D9&PID_A0A0#x", false},
        {kDeviceArrival, 2, kMouseName, false},
        {0x8001, 5, kMouseName, false},
        {0x8003, 5, kMouseName, false},
        {kDeviceArrival, 5, "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConcernsMouse({c.event, c.device_type, c.name}), c.concerns) << c.name;
    }
}

struct ChangeRig {
    testing::FakeDiscovery discovery;
    LinkState link;
    DeviceMirror mirror;
    testing::RecordingClock clock;
    testing::RecordingMessages messages;
    testing::RecordingEvents events;
    PacketTransport transport{link, clock};
    DeviceCommands commands{transport, mirror, clock, messages};
    DeviceLink device{link, discovery, transport, commands, clock, messages, messages, events};
    std::unique_ptr<FirmwareOnWire> mouse;

    void Plug(HandshakeStyle style) {
        discovery.interfaces = {testing::MouseInterface("evt", kEventUsage),
                                testing::MouseInterface("cmd", kCommandUsage)};
        auto state = testing::DistinctMouseState();
        state.sensor_block = {1, 2, 3, 0x05};
        mouse = std::make_unique<FirmwareOnWire>(discovery.WireOf("cmd"), state, style);
    }
    void Unplug() { discovery.interfaces.clear(); }
    DeviceChangeOutcome Change(std::uint32_t event, bool reader_exists = true,
                               bool setup_done = false) {
        return HandleDeviceChange({event, kDeviceInterfaceType, kMouseName}, device, reader_exists,
                                  setup_done);
    }
};

TEST(DeviceChange, ArrivalOfTheMouseAcceptsItAndRefreshesTheSensorBlock) {
    ChangeRig rig;
    rig.Plug(HandshakeStyle::Scrambled);
    const auto outcome = rig.Change(kDeviceArrival);
    EXPECT_EQ(outcome, (DeviceChangeOutcome{true, false, true}));
    EXPECT_EQ(rig.link.connected.load(), 1);
    EXPECT_EQ(rig.events.events, (std::vector<DeviceEvent>{{DeviceEventCode::MouseDetected, 0}}));
    EXPECT_EQ(rig.mirror.dpi_sensor_type, 1);
    EXPECT_EQ(rig.mouse->state().sensor_block, (std::array<std::uint8_t, 4>{1, 2, 3, 0x45}));
}

TEST(DeviceChange, ReaderIsResumedOnlyWhenItExistsAndTheFirstPageHasNotDoneIt) {
    const std::tuple<bool, bool, bool> cases[] = {
        {true, false, true}, {true, true, false}, {false, false, false}};
    for (const auto& [exists, done, resume] : cases) {
        ChangeRig rig;
        rig.Plug(HandshakeStyle::Scrambled);
        EXPECT_EQ(rig.Change(kDeviceArrival, exists, done).resume_reader, resume);
    }
}

TEST(DeviceChange, FailedOpenReportsTheMouseLostAndHidesTheWindow) {
    for (std::uint32_t event : {kDeviceArrival, kDeviceRemoveComplete}) {
        ChangeRig rig;
        rig.link.connected.store(1);
        rig.Unplug();
        EXPECT_EQ(rig.Change(event), (DeviceChangeOutcome{true, true, false}));
        EXPECT_EQ(rig.link.connected.load(), 0);
        EXPECT_EQ(rig.events.events,
                  (std::vector<DeviceEvent>{{DeviceEventCode::MouseNotDetected, 0}}));
    }
}

TEST(DeviceChange, RemovalWithTheMouseStillReachableRunsOnlyTheHandshake) {
    ChangeRig rig;
    rig.Plug(HandshakeStyle::Scrambled);
    EXPECT_EQ(rig.Change(kDeviceRemoveComplete), (DeviceChangeOutcome{true, false, false}));
    EXPECT_EQ(rig.link.connected.load(), 1);
    EXPECT_EQ(rig.mouse->requests.size(), 2u);  // the two handshake tries, no sensor commands
}

TEST(DeviceChange, PlainAnsweringMouseIsNotAcceptedOnArrival) {
    ChangeRig rig;
    rig.Plug(HandshakeStyle::Plain);
    EXPECT_EQ(rig.Change(kDeviceArrival), (DeviceChangeOutcome{true, false, false}));
    EXPECT_EQ(rig.link.connected.load(), 0);
    EXPECT_EQ(rig.events.events,
              (std::vector<DeviceEvent>{{DeviceEventCode::MouseNotDetected, 0}}));
    EXPECT_EQ(rig.mouse->requests.size(), 1u);
}

TEST(DeviceChange, OtherNotificationsTouchNothing) {
    ChangeRig rig;
    rig.Plug(HandshakeStyle::Scrambled);
    const auto outcome = HandleDeviceChange({kDeviceArrival, kDeviceInterfaceType, "HID#VID_1234"},
                                            rig.device, true, false);
    EXPECT_EQ(outcome, DeviceChangeOutcome{});
    EXPECT_TRUE(rig.discovery.opens.empty());
}

}  // namespace
}  // namespace corvanti
