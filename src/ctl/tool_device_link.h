#pragma once

#include <ostream>
#include <string_view>

#include "common/user_messages.h"
#include "device/device_acceptance.h"
#include "device/device_commands.h"
#include "device/device_event.h"
#include "device/device_mirror.h"
#include "device/hid_transport.h"
#include "device/link_state.h"
#include "device/packet_transport.h"
#include "device/real_pause_clock.h"

namespace corvanti {

// What the open would show goes to corvanti-ctl's stderr; traces and device events are dropped.
class ToolDeviceSinks : public UserMessages, public TraceSink, public DeviceEventSink {
  public:
    explicit ToolDeviceSinks(std::ostream& err) : err_(err) {}
    void ShowMessage(std::string_view text, std::string_view) override;
    void Trace(std::string_view) override {}
    void Deliver(DeviceEventCode, std::uint8_t) override {}

  private:
    std::ostream& err_;
};

// The program's own device link around one HID discovery (the system's or a simulated
// mouse), for one run of corvanti-ctl, with the pauses the mouse needs really taken.
class ToolDeviceLink {
  public:
    ToolDeviceLink(HidDiscovery& discovery, std::ostream& err);
    ToolDeviceLink(const ToolDeviceLink&) = delete;
    ToolDeviceLink& operator=(const ToolDeviceLink&) = delete;

    // As when the mouse arrives: open, handshake and, once accepted, the sensor-block refresh.
    // A mouse that is not accepted is explained on stderr, named as `mouse` ("the mouse").
    bool Accept(std::string_view mouse);

    DeviceCommands& commands() { return commands_; }
    const DeviceMirror& mirror() const { return mirror_; }

    // Reads every block the mouse answers for into the mirror: sensor, lighting, lighting
    // detail and settings blocks, and the twelve macro blocks.
    void ReadReadableBlocks();

  private:
    std::ostream& err_;
    ToolDeviceSinks sinks_;
    RealPauseClock clock_;
    LinkState link_;
    DeviceMirror mirror_;
    PacketTransport transport_;
    DeviceCommands commands_;
    DeviceLink device_;
};

// Said when no mouse was found, so that a user knows what to look at.
inline constexpr std::string_view kNoMouseHint =
    "no HID device with vendor id 04d9 and product id a09f could be opened; is it plugged in, "
    "and on Linux, is the udev rule of the README installed?";

}  // namespace corvanti
