#pragma once

#include "device/device_change.h"

namespace corvanti {

enum class MouseAcceptance {
    NotFound,  // no command channel could be opened
    Rejected,  // opened, but the handshake failed
    Accepted,
};

// What the program does when the mouse arrives: open it, run the handshake and, once it is
// accepted, refresh the sensor block. The handshake delivers "mouse detected" or "mouse not
// detected"; a failed open delivers nothing, so the caller decides what that means.
MouseAcceptance AcceptMouse(DeviceLink& device);

}  // namespace corvanti
