#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "device/command_packet.h"

namespace corvanti {

// Who the mouse is on the USB bus and how its two vendor collections look. The device open
// recognises the mouse by these values and the simulated mouse presents itself with them.
inline constexpr std::uint16_t kMouseVendorId = 0x04D9;
inline constexpr std::uint16_t kMouseProductId = 0xA09F;

// The command and event collections carry their number as usage page and usage alike.
inline constexpr std::uint16_t kCommandUsage = 0xFF00;
inline constexpr std::uint16_t kEventUsage = 0xFF01;

// Report lengths of the mouse, report id included: a feature report of the command channel
// carries one command packet, an input or output report one data-phase report, and an event
// report its id, code, an unused byte, the value and one byte more.
inline constexpr std::uint16_t kCommandFeatureLength = 1 + kPacketSize;
inline constexpr std::uint16_t kCommandDataReportLength = 1 + kDataReportPayload;
inline constexpr std::uint16_t kEventInputLength = 5;

// The vendor and product ids as the system spells them in an interface name, in the two
// spellings a device notification may carry.
inline constexpr std::string_view kMouseIdsInNameUpper = "VID_04D9&PID_A09F";
inline constexpr std::string_view kMouseIdsInNameMixed = "Vid_04d9&Pid_a09f";

// The interface class of HID collections (the system's GUID_DEVINTERFACE_HID), with the same
// fields as a Windows GUID, and as it ends an interface name.
struct InterfaceClassId {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::array<std::uint8_t, 8> data4;
};
inline constexpr InterfaceClassId kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
inline constexpr std::string_view kHidInterfaceClassText = "{4d1e55b2-f16f-11cf-88cb-001111000030}";

}  // namespace corvanti
