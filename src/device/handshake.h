#pragma once

#include <chrono>

#include "device/command_packet.h"
#include "device/device_event.h"
#include "device/link_state.h"
#include "device/packet_transport.h"
#include "device/pause_clock.h"

namespace corvanti {

// The mouse needs this long between the handshake request and the read of its answer.
inline constexpr std::chrono::milliseconds kHandshakeAnswerPause{5};

// The handshake request; a genuine mouse answers it with bytes 1-4 repeated.
inline constexpr CommandPacket kHandshakeRequest = {0x00, 0xAA, 0xDD, 0x3B, 0x62, 0x00, 0x00, 0xDB};

// Accepts the mouse only when it answers the scrambled request; a mouse that answers in plain
// or not at all is rejected. Sets the scrambling and connected flags and delivers "mouse
// detected" or "mouse not detected".
void RunHandshake(LinkState& link, PacketTransport& transport, PauseClock& clock,
                  DeviceEventSink& events);

}  // namespace corvanti
