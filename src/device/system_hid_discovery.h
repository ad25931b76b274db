#pragma once

#include <memory>

#include "device/hid_transport.h"

namespace corvanti {

// The HID interfaces of the system the program runs on: SetupAPI and the HID library on
// Windows, hidapi's hidraw flavour on Linux. Each platform's backend defines it.
std::unique_ptr<HidDiscovery> MakeSystemHidDiscovery();

}  // namespace corvanti
