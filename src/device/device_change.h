#pragma once

#include <cstdint>
#include <string_view>

#include "common/user_messages.h"
#include "device/device_commands.h"
#include "device/device_event.h"
#include "device/hid_transport.h"
#include "device/link_state.h"
#include "device/packet_transport.h"
#include "device/pause_clock.h"

namespace corvanti {

inline constexpr std::uint32_t kDeviceArrival = 0x8000;
inline constexpr std::uint32_t kDeviceRemoveComplete = 0x8004;
inline constexpr std::uint32_t kDeviceInterfaceType = 5;

// One device-change notification as the system delivers it.
struct DeviceChangeNotice {
    std::uint32_t event = 0;        // arrival or removal
    std::uint32_t device_type = 0;  // kind of header
    std::string_view interface_name;
};

// Whether a device-change event is an arrival or a removal. Only for these is the message's
// data read as a broadcast header: other events carry no pointer there (a display change
// carries the screen's size), so the data must not be touched before this says yes.
bool IsArrivalOrRemoval(std::uint32_t event);

// Whether a notification concerns the mouse: an arrival or removal of a device interface
// whose name carries the mouse's ids in one of the two spellings the system uses.
bool ConcernsMouse(const DeviceChangeNotice& notice);

// Everything a device change works with.
struct DeviceLink {
    LinkState& link;
    HidDiscovery& discovery;
    PacketTransport& transport;
    DeviceCommands& commands;
    PauseClock& clock;
    UserMessages& messages;
    TraceSink& trace;
    DeviceEventSink& events;
};

// What the window must do after a device change.
struct DeviceChangeOutcome {
    bool handled = false;
    bool hide_main_window = false;
    bool resume_reader = false;
    bool operator==(const DeviceChangeOutcome&) const = default;
};

// Re-opens the mouse after an arrival or removal that concerns it. A failed open reports the
// mouse as lost; an arrival that ends with the mouse accepted refreshes the sensor block and
// asks for the reader to be resumed unless the first page's set-up has already done so.
DeviceChangeOutcome HandleDeviceChange(const DeviceChangeNotice& notice, DeviceLink& device,
                                       bool reader_exists, bool first_page_setup_done);

}  // namespace corvanti
