#include "device/device_open.h"

#include <gtest/gtest.h>

#include "fake_hid.h"

namespace corvanti {
namespace {

using testing::MouseInterface;
using Probe = HidInterfaceInfo::Probe;

HidInterfaceInfo OtherDevice(std::string path) {
    HidInterfaceInfo info = MouseInterface(std::move(path), 0xFF00);
    info.vendor_id = 0x1234;
    return info;
}

struct OpenRig {
    testing::FakeDiscovery discovery;
    testing::RecordingMessages messages;
    LinkState link;
    bool Open() { return OpenDevice(link, discovery, messages, messages); }
};

TEST(DeviceOpen, OpensEventChannelWhicheverOrderTheSystemListsIt) {
    const auto command = MouseInterface("cmd", 0xFF00, 16);
    const auto event = MouseInterface("evt", 0xFF01, 0);
    const auto keyboard = MouseInterface("kbd", 0x0006);
    for (const auto& order :
         {std::vector{keyboard, event, command}, std::vector{command, keyboard, event}}) {
        OpenRig rig;
        rig.discovery.interfaces = order;
        ASSERT_TRUE(rig.Open());
        EXPECT_NE(rig.link.command, nullptr);
        EXPECT_NE(rig.link.EventChannel(), nullptr);
        EXPECT_NE(rig.link.event_write, nullptr);
        EXPECT_EQ(rig.link.event_length(), 33);
        EXPECT_EQ(rig.link.feature_length, 16);
        EXPECT_EQ(rig.link.connected.load(), 1);
        EXPECT_TRUE(rig.messages.shown.empty());
    }
}

TEST(DeviceOpen, OpensEachChannelForItsPurpose) {
    OpenRig rig;
    rig.discovery.interfaces = {MouseInterface("evt", 0xFF01), MouseInterface("cmd", 0xFF00)};
    ASSERT_TRUE(rig.Open());
    using P = OpenPurpose;
    EXPECT_EQ(rig.discovery.opens,
              (std::vector<std::pair<std::string, P>>{
                  {"evt", P::EventRead}, {"evt", P::EventWrite}, {"cmd", P::Command}}));
}

TEST(DeviceOpen, SkipsOtherDevicesAndUnusableCollections) {
    auto event_without_input = MouseInterface("evt0", 0xFF01);
    event_without_input.input_length = 0;
    auto wrong_page = MouseInterface("evt1", 0xFF01);
    wrong_page.usage_page = 0xFF00;
    const auto no_feature = MouseInterface("cmd0", 0xFF00, 0);
    OpenRig rig;
    rig.discovery.interfaces = {OtherDevice("x"), event_without_input, wrong_page, no_feature};
    EXPECT_FALSE(rig.Open());
    EXPECT_TRUE(rig.discovery.opens.empty());
    EXPECT_EQ(rig.link.command, nullptr);
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(DeviceOpen, ProbeFailuresEndTheSearchWithTheirMessage) {
    struct Case {
        Probe probe;
        bool of_mouse;
        const char* message;  // nullptr: none shown
        bool search_ends;
    };
    const Case cases[] = {
        {Probe::DetailFailed, true, "SetupDiGetDeviceInterfaceDetail failed.\n", true},
        {Probe::OpenFailed, true, nullptr, true},
        {Probe::PreparsedDataFailed, true, "HidD_GetPreparsedData failed.\n", true},
        {Probe::CapsFailed, true, "HidP_GetCaps failed.", true},
        {Probe::PreparsedDataFailed, false, nullptr, false},
        {Probe::CapsFailed, false, nullptr, false},
    };
    for (const auto& c : cases) {
        OpenRig rig;
        auto failing = c.of_mouse ? MouseInterface("bad", 0x0002) : OtherDevice("bad");
        failing.probe = c.probe;
        rig.discovery.interfaces = {failing, MouseInterface("cmd", 0xFF00)};
        EXPECT_EQ(rig.Open(), !c.search_ends) << static_cast<int>(c.probe);
        if (c.message) {
            EXPECT_EQ(rig.messages.shown,
                      (std::vector<testing::ShownMessage>{{c.message, "Corvanti-Tarn"}}));
        } else {
            EXPECT_TRUE(rig.messages.shown.empty());
        }
    }
}

TEST(DeviceOpen, RefusedOpensFail) {
    using P = OpenPurpose;
    for (const auto& refusal :
         {std::pair<std::string, P>{"cmd", P::Command}, {"evt", P::EventRead}}) {
        OpenRig rig;
        rig.discovery.interfaces = {MouseInterface("evt", 0xFF01), MouseInterface("cmd", 0xFF00)};
        rig.discovery.refused = {refusal};
        EXPECT_FALSE(rig.Open()) << refusal.first;
    }
}

// The event channel's write handle is never used, so its refusal changes nothing, whether the
// system lists the event channel before the command channel or after it.
TEST(DeviceOpen, ARefusedEventWriteHandleIsIgnoredInEitherOrder) {
    const auto command = MouseInterface("cmd", 0xFF00);
    const auto event = MouseInterface("evt", 0xFF01);
    for (const auto& order : {std::vector{event, command}, std::vector{command, event}}) {
        OpenRig rig;
        rig.discovery.interfaces = order;
        rig.discovery.refused = {{"evt", OpenPurpose::EventWrite}};
        ASSERT_TRUE(rig.Open()) << order.front().path;
        EXPECT_NE(rig.link.command, nullptr);
        EXPECT_NE(rig.link.EventChannel(), nullptr) << order.front().path;
        EXPECT_EQ(rig.link.event_write, nullptr);
        EXPECT_TRUE(rig.messages.shown.empty());
    }
}

TEST(DeviceOpen, ListFailureFails) {
    OpenRig rig;
    rig.discovery.interfaces = {MouseInterface("cmd", 0xFF00)};
    rig.discovery.list_fails = true;
    EXPECT_FALSE(rig.Open());
}

TEST(DeviceOpen, ReleasesTheCollectionsOfAnEarlierOpen) {
    OpenRig rig;
    rig.discovery.interfaces = {MouseInterface("evt", 0xFF01), MouseInterface("cmd", 0xFF00)};
    ASSERT_TRUE(rig.Open());
    ASSERT_TRUE(rig.Open());
    EXPECT_EQ(rig.discovery.WireOf("cmd")->live_collections, 1);
    EXPECT_EQ(rig.discovery.WireOf("evt")->live_collections, 2);  // one reader, one writer
    rig.discovery.interfaces.clear();
    EXPECT_FALSE(rig.Open());
    EXPECT_EQ(rig.discovery.WireOf("cmd")->live_collections, 0);
    EXPECT_EQ(rig.discovery.WireOf("evt")->live_collections, 0);
}

TEST(DeviceOpen, TracesAttributesAndCapabilities) {
    OpenRig rig;
    rig.discovery.interfaces = {MouseInterface("cmd", 0xFF00)};
    ASSERT_TRUE(rig.Open());
    EXPECT_EQ(rig.messages.traces,
              (std::vector<std::string>{
                  "PID:a09f\n,VID:04d9\n,VersionNumber:0100\n",
                  "Usage:0xff00\n, UsagePage:0xff00\n,FeatureReportByteLength:0x0009\n,"
                  "InputReportByteLength:0x21\n,OutputReportByteLength:0x21\n"}));
}

}  // namespace
}  // namespace corvanti
