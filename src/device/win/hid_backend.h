#pragma once

#include <cstdint>

#include <memory>
#include <string>
#include <vector>

#include "device/hid_transport.h"

namespace corvanti {

// The system's HID interfaces through SetupAPI and the HID library. Every wait on a device is
// bounded: reads and writes are overlapped and cancelled at their time-out.
// What a failed call of the backend means for the link, with the system's text for `code`
// (a GetLastError value): the codes that say the device is gone make it a removal.
HidFailure SystemFailure(const char* call, std::uint32_t code);

class WindowsHidDiscovery : public HidDiscovery {
  public:
    bool ListInterfaces(std::vector<HidInterfaceInfo>& interfaces) override;
    std::unique_ptr<HidCollection> Open(const std::string& path, OpenPurpose purpose) override;
};

}  // namespace corvanti
