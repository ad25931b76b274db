#pragma once

#include "common/user_messages.h"
#include "device/hid_transport.h"
#include "device/link_state.h"

namespace corvanti {

// Finds the mouse among the present HID interfaces and opens its command channel and, when
// listed, its event channel, whichever the system lists first. Collections of an earlier open
// are released first. Returns whether the command channel is open; the handshake then decides
// whether the mouse is accepted.
bool OpenDevice(LinkState& link, HidDiscovery& discovery, UserMessages& messages, TraceSink& trace);

}  // namespace corvanti
