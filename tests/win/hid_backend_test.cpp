#include "device/win/hid_backend.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace corvanti {
namespace {

// No mouse is attached here: the enumeration must still run through whatever the system
// lists without crashing, and find nothing that claims to be the mouse.
TEST(WindowsHidDiscoveryTest, EnumeratesWithoutFindingTheMouse) {
    WindowsHidDiscovery discovery;
    std::vector<HidInterfaceInfo> interfaces;
    discovery.ListInterfaces(interfaces);
    for (const HidInterfaceInfo& info : interfaces) {
        EXPECT_FALSE(info.vendor_id == 0x04D9 && info.product_id == 0xA09F) << info.path;
    }
}

TEST(WindowsHidDiscoveryTest, MissingPathDoesNotOpen) {
    WindowsHidDiscovery discovery;
    for (const OpenPurpose purpose : {OpenPurpose::Query, OpenPurpose::Command,
                                      OpenPurpose::EventRead, OpenPurpose::EventWrite}) {
        EXPECT_EQ(
            discovery.Open(R"(\\?\hid#no_such_device#0#{4d1e55b2-f16f-11cf-88cb-001111000030})",
                           purpose),
            nullptr);
    }
    EXPECT_EQ(discovery.Open("", OpenPurpose::Query), nullptr);
}

// A failure names the call, the system's code and the system's own text; the codes of a
// device that is gone read as a removal, so a trace tells it from a refusal.
TEST(WindowsHidDiscoveryTest, FailuresCarryTheCallTheCodeAndTheSystemsText) {
    const HidFailure refused = SystemFailure("HidD_GetFeature", ERROR_GEN_FAILURE);
    EXPECT_EQ(refused.kind, HidFailure::Kind::Failed);
    EXPECT_FALSE(refused.text.empty());
    EXPECT_EQ(refused.Describe(), std::string("HidD_GetFeature failed: 31 ").append(refused.text));
    for (const DWORD gone : {DWORD{ERROR_DEVICE_NOT_CONNECTED}, DWORD{ERROR_DEV_NOT_EXIST}}) {
        const HidFailure removed = SystemFailure("ReadFile", gone);
        EXPECT_EQ(removed.kind, HidFailure::Kind::Removed) << gone;
        EXPECT_TRUE(removed.Describe().starts_with("ReadFile lost the device: ")) << gone;
    }
}

}  // namespace
}  // namespace corvanti
