#include "device/linux/hidapi_backend.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

#include "ctl/apply_verb.h"
#include "device/device_open.h"
#include "device/link_state.h"
#include "linux/fake_hidapi.h"
#include "support/recording_messages.h"
#include "support/sample_profile.h"

namespace corvanti {
namespace {

using testing::FakeHidapi;
using testing::FakeHidNode;
using Bytes = std::vector<std::uint8_t>;

constexpr unsigned short kPointerPage = 0x0001;
constexpr unsigned short kPointerUsage = 0x0002;

// The mouse as hidraw lists it: its pointer, its event channel and its command channel, each
// an interface node of its own.
void ListTheMouse(FakeHidapi& hidapi) {
    hidapi.entries = {
        {"/dev/hidraw3", 0x04D9, 0xA09F, 0x0105, kPointerPage, kPointerUsage},
        {"/dev/hidraw4", 0x04D9, 0xA09F, 0x0105, 0xFF01, 0xFF01},
        {"/dev/hidraw5", 0x04D9, 0xA09F, 0x0105, 0xFF00, 0xFF00},
    };
}

TEST(HidapiBackend, TheMouseIsListedByItsIdsAndItsCollectionsByUsage) {
    FakeHidapi hidapi;
    ListTheMouse(hidapi);
    HidapiDiscovery discovery(FakeHidapi::Functions());
    std::vector<HidInterfaceInfo> interfaces = {HidInterfaceInfo{}};
    ASSERT_TRUE(discovery.ListInterfaces(interfaces));
    EXPECT_EQ(hidapi.enumerated_ids,
              (std::vector<std::pair<unsigned short, unsigned short>>{{0x04D9, 0xA09F}}));
    EXPECT_EQ(hidapi.lists_freed, 1);
    ASSERT_EQ(interfaces.size(), 3u);
    const struct {
        std::uint16_t usage_page, feature, input, output;
    } expected[] = {{kPointerPage, 0, 0, 0}, {0xFF01, 0, 5, 0}, {0xFF00, 9, 33, 33}};
    for (std::size_t i = 0; i < interfaces.size(); ++i) {
        const HidInterfaceInfo& info = interfaces[i];
        EXPECT_EQ(info.probe, HidInterfaceInfo::Probe::Ok);
        EXPECT_EQ(info.path, hidapi.entries[i].path);
        EXPECT_EQ(info.vendor_id, 0x04D9);
        EXPECT_EQ(info.product_id, 0xA09F);
        EXPECT_EQ(info.version, 0x0105);
        EXPECT_EQ(info.usage_page, expected[i].usage_page) << i;
        EXPECT_EQ(info.feature_length, expected[i].feature) << i;
        EXPECT_EQ(info.input_length, expected[i].input) << i;
        EXPECT_EQ(info.output_length, expected[i].output) << i;
    }

    // The program's own open rules pick the channels out of that list.
    LinkState link;
    testing::RecordingMessages messages;
    DiscardedTrace trace;
    ASSERT_TRUE(OpenDevice(link, discovery, messages, trace));
    EXPECT_EQ(link.feature_length, 9);
    ASSERT_NE(link.EventChannel(), nullptr);
    std::vector<std::string> opened;
    for (const FakeHidNode& node : hidapi.nodes) {
        opened.push_back(node.path);
    }
    EXPECT_EQ(opened, (std::vector<std::string>{"/dev/hidraw4", "/dev/hidraw4", "/dev/hidraw5"}));
}

// The command channel's reports carry no id on the wire: hidraw hands its input reports over
// without one and the collection puts the 0 back, while the event channel's reports keep their
// id 0x06. Feature and output reports pass with byte 0 as the id.
TEST(HidapiBackend, ReportsAreFramedAsTheLinkExpectsThem) {
    FakeHidapi hidapi;
    HidapiDiscovery discovery(FakeHidapi::Functions());
    const auto command = discovery.Open("/dev/hidraw5", OpenPurpose::Command);
    const auto events = discovery.Open("/dev/hidraw4", OpenPurpose::EventRead);
    ASSERT_NE(command, nullptr);
    ASSERT_NE(events, nullptr);
    FakeHidNode& command_node = hidapi.nodes.front();
    FakeHidNode& event_node = hidapi.nodes.back();

    Bytes data(32);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    command_node.input_queue.push_back(data);
    Bytes report(33, 0xCC);
    ASSERT_EQ(command->ReadInput(report, std::chrono::milliseconds(200)), 33u);
    EXPECT_EQ(report[0], 0x00);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), report.begin() + 1));
    EXPECT_EQ(command_node.read_timeouts, std::vector<int>{200});

    event_node.input_queue.push_back({0x06, 0x07, 0x00, 0x02, 0x00});
    Bytes event(5);
    ASSERT_EQ(events->ReadInput(event, std::chrono::hours(1000)), 5u);
    EXPECT_EQ(event, (Bytes{0x06, 0x07, 0x00, 0x02, 0x00}));
    EXPECT_EQ(event_node.read_timeouts, std::vector<int>{INT_MAX}) << "a long wait is cut";

    const Bytes feature = {0x00, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0};
    ASSERT_TRUE(command->SetFeature(feature));
    EXPECT_EQ(command_node.features_sent, std::vector<Bytes>{feature});
    command_node.feature_answer = {0x00, 1, 2, 3, 4, 5, 6, 7, 8};
    Bytes answer(9);
    ASSERT_TRUE(command->GetFeature(answer));
    EXPECT_EQ(answer, command_node.feature_answer);

    const Bytes output(33, 0x5A);
    ASSERT_TRUE(command->WriteOutput(output));
    EXPECT_EQ(command_node.outputs_written, std::vector<Bytes>{output});
    command_node.short_write_by = 1;
    EXPECT_FALSE(command->WriteOutput(output)) << "a report taken only in part was not taken";
}

TEST(HidapiBackend, FailuresAreToldApartAndLeaveBuffersAlone) {
    FakeHidapi hidapi;
    HidapiDiscovery discovery(FakeHidapi::Functions());
    const auto command = discovery.Open("/dev/hidraw5", OpenPurpose::Command);
    ASSERT_NE(command, nullptr);
    FakeHidNode& node = hidapi.nodes.front();

    Bytes report(33);
    EXPECT_EQ(command->ReadInput(report, std::chrono::milliseconds(5)), 0u);
    EXPECT_EQ(command->LastFailure().kind, HidFailure::Kind::TimedOut);

    node.fail_with = -1;
    node.error_text = L"hid_read_timeout: unexpected poll error (device disconnected)";
    EXPECT_EQ(command->ReadInput(report, std::chrono::milliseconds(5)), 0u);
    EXPECT_EQ(command->LastFailure().kind, HidFailure::Kind::Removed);
    EXPECT_EQ(command->LastFailure().text,
              "hid_read_timeout: unexpected poll error (device disconnected)");

    node.error_text = L"ioctl (GFEATURE): Broken pipe";
    Bytes answer = {0x00, 9, 9, 9, 9, 9, 9, 9, 9};
    const Bytes before = answer;
    EXPECT_FALSE(command->GetFeature(answer));
    EXPECT_EQ(answer, before);
    EXPECT_EQ(command->LastFailure().kind, HidFailure::Kind::Failed);
    EXPECT_EQ(command->LastFailure().call, "hid_get_feature_report");
    EXPECT_FALSE(command->SetFeature(before));
    EXPECT_FALSE(command->WriteOutput(Bytes(33)));
}

TEST(HidapiBackend, QueuedInputIsDroppedAndNodesCloseWithTheirCollection) {
    FakeHidapi hidapi;
    HidapiDiscovery discovery(FakeHidapi::Functions());
    auto command = discovery.Open("/dev/hidraw5", OpenPurpose::Command);
    FakeHidNode& node = hidapi.nodes.front();
    node.input_queue.assign(3, Bytes(32, 0x11));
    command->DropQueuedInput();
    EXPECT_TRUE(node.input_queue.empty());
    EXPECT_EQ(node.read_timeouts, (std::vector<int>{0, 0, 0, 0})) << "never waits";
    EXPECT_FALSE(node.closed);
    command.reset();
    EXPECT_TRUE(node.closed);
}

// No mouse, or a mouse this user may not open: corvanti-ctl ends with the clear message.
TEST(HidapiBackend, ApplyWithoutAnOpenableMouseEndsWithAClearMessage) {
    for (const bool listed_but_refused : {false, true}) {
        FakeHidapi hidapi;
        if (listed_but_refused) {
            ListTheMouse(hidapi);
            hidapi.unopenable_paths = {"/dev/hidraw4", "/dev/hidraw5"};
        }
        HidapiDiscovery discovery(FakeHidapi::Functions());
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(ApplyToMouse(testing::SampleProfile(), discovery, out, err), 1);
        EXPECT_EQ(out.str(), "");
        EXPECT_NE(err.str().find("the mouse was not found"), std::string::npos) << err.str();
        EXPECT_NE(err.str().find("udev rule"), std::string::npos) << err.str();
    }
}

}  // namespace
}  // namespace corvanti
