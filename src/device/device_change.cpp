#include "device/device_change.h"

#include "device/device_open.h"
#include "device/handshake.h"
#include "device/mouse_identity.h"

namespace corvanti {

bool IsArrivalOrRemoval(std::uint32_t event) {
    return event == kDeviceArrival || event == kDeviceRemoveComplete;
}

bool ConcernsMouse(const DeviceChangeNotice& notice) {
    if (!IsArrivalOrRemoval(notice.event) || notice.device_type != kDeviceInterfaceType) {
        return false;
    }
    return notice.interface_name.find(kMouseIdsInNameMixed) != std::string_view::npos ||
           notice.interface_name.find(kMouseIdsInNameUpper) != std::string_view::npos;
}

DeviceChangeOutcome HandleDeviceChange(const DeviceChangeNotice& notice, DeviceLink& device,
                                       bool reader_exists, bool first_page_setup_done) {
    DeviceChangeOutcome outcome;
    if (!ConcernsMouse(notice)) {
        return outcome;
    }
    outcome.handled = true;
    if (!OpenDevice(device.link, device.discovery, device.messages, device.trace)) {
        device.events.Deliver(DeviceEventCode::MouseNotDetected, 0);
        outcome.hide_main_window = true;
        device.link.connected.store(0);
        return outcome;
    }
    RunHandshake(device.link, device.transport, device.clock, device.events);
    if (notice.event == kDeviceArrival && device.link.connected_now()) {
        device.commands.RefreshSensorBlock();
        outcome.resume_reader = reader_exists && !first_page_setup_done;
    }
    return outcome;
}

}  // namespace corvanti
