#pragma once

#include <memory>
#include <string>
#include <vector>

#include "device/hid_transport.h"
#include "device/linux/hidapi_functions.h"

namespace corvanti {

// The mouse's HID collections on Linux through hidapi's hidraw flavour. Only the mouse's own
// interfaces are listed (found by vendor and product id, told apart by usage page and usage).
// hidraw does not tell report lengths, so the mouse's known lengths stand for its two vendor
// collections. Reads wait at most their time-out; feature reports and writes are bounded by the
// kernel's own USB time-outs.
class HidapiDiscovery : public HidDiscovery {
  public:
    explicit HidapiDiscovery(const HidapiFunctions& functions) : functions_(functions) {}

    bool ListInterfaces(std::vector<HidInterfaceInfo>& interfaces) override;
    std::unique_ptr<HidCollection> Open(const std::string& path, OpenPurpose purpose) override;

  private:
    const HidapiFunctions& functions_;
};

}  // namespace corvanti
