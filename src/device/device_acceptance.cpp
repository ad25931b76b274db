#include "device/device_acceptance.h"

#include "device/device_open.h"
#include "device/handshake.h"

namespace corvanti {

MouseAcceptance AcceptMouse(DeviceLink& device) {
    if (!OpenDevice(device.link, device.discovery, device.messages, device.trace)) {
        return MouseAcceptance::NotFound;
    }
    RunHandshake(device.link, device.transport, device.clock, device.events);
    if (!device.link.connected_now()) {
        return MouseAcceptance::Rejected;
    }
    device.commands.RefreshSensorBlock();
    return MouseAcceptance::Accepted;
}

}  // namespace corvanti
