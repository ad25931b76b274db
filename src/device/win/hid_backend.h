#pragma once

#include <memory>
#include <string>
#include <vector>

#include "device/hid_transport.h"

namespace corvanti {

// The system's HID interfaces through SetupAPI and the HID library. Every wait on a device is
// bounded: reads and writes are overlapped and cancelled at their time-out.
class WindowsHidDiscovery : public HidDiscovery {
  public:
    bool ListInterfaces(std::vector<HidInterfaceInfo>& interfaces) override;
    std::unique_ptr<HidCollection> Open(const std::string& path, OpenPurpose purpose) override;
};

}  // namespace corvanti
