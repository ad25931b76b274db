#include "device/command_packet.h"

namespace corvanti {

std::uint8_t PacketChecksum(const CommandPacket& packet) {
    unsigned sum = 0;
    for (std::size_t i = 0; i + 1 < kPacketSize; ++i) {
        sum += packet[i];
    }
    return static_cast<std::uint8_t>(0xFFu - (sum & 0xFFu));
}

CommandPacket WithChecksum(CommandPacket packet) {
    packet[kPacketSize - 1] = PacketChecksum(packet);
    return packet;
}

}  // namespace corvanti
