#include "device/handshake.h"

#include <algorithm>

#include "device/scrambler.h"

namespace corvanti {

namespace {

constexpr std::size_t kEchoFirst = 1;
constexpr std::size_t kEchoCount = 4;

bool EchoesRequest(const CommandPacket& answer) {
    return std::equal(answer.begin() + kEchoFirst, answer.begin() + kEchoFirst + kEchoCount,
                      kHandshakeRequest.begin() + kEchoFirst);
}

// One attempt: the request (scrambled with `key` when given), the pause, the answer.
bool AttemptMatches(PacketTransport& transport, PauseClock& clock, const ScramblerKey* key) {
    const CommandPacket request = WithChecksum(kHandshakeRequest);
    transport.SendRawPacket(key ? Scramble(request, *key) : request);
    clock.Pause(kHandshakeAnswerPause);
    const CommandPacket answer = transport.ReceiveRawPacket();
    return EchoesRequest(key ? Unscramble(answer, *key) : answer);
}

}  // namespace

void RunHandshake(LinkState& link, PacketTransport& transport, PauseClock& clock,
                  DeviceEventSink& events) {
    bool accepted = false;
    if (!AttemptMatches(transport, clock, nullptr)) {
        link.xor_key = HandshakeXorKey();
        accepted = AttemptMatches(transport, clock, &link.xor_key);
    }
    link.scrambling.store(accepted ? 1 : 0);
    if (accepted) {
        events.Deliver(DeviceEventCode::MouseDetected, 0);
        link.connected.store(1);
    } else {
        events.Deliver(DeviceEventCode::MouseNotDetected, 0);
        link.connected.store(0);
    }
}

}  // namespace corvanti
